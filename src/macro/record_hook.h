#pragma once
#include <optional>
#include <string>

#include "assign/key_event.h"

namespace norvale {

// One keyboard event of the desktop as the low-level hook sees it, with the
// keyboard message it came as (key down, system key up, ...).
struct HookKeyEvent {
    unsigned message;
    KeyEvent key;
};

// What the hook tells the macro window about a key it took away; the value
// is the message's wParam.
enum class KeyTransition : unsigned { Press = 0, Release = 1 };

// The recording hook's side of the recorder. It runs inside the system's
// keyboard hook, so it only remembers and decides; the macro window builds
// the lines. Its memory of the previous event is never reset, so a repeat
// filter decision can reach back into the previous recording.
class RecordHook {
public:
    // Decides one event. The transition to post to the macro window when the
    // event is taken away from every other program; nothing when it is
    // passed on (a hook code above 0, or an auto-repeat of a held key).
    std::optional<KeyTransition> JournalRecordHook(int hookCode, const HookKeyEvent& event);

    // The name of the key of the most recent event taken away; the window
    // reads it when it handles the posted event.
    const std::wstring& LastKeyName() const { return lastKeyName_; }
    int PostedKeyCount() const { return postedKeyCount_; }
    void ResetPostedKeyCount() { postedKeyCount_ = 0; }

private:
    unsigned lastVirtualKey_ = 0;
    unsigned lastKeyFlags_ = 0;
    std::wstring lastKeyName_;
    int postedKeyCount_ = 0;
};

}  // namespace norvale
