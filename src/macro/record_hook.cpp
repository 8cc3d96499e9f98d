#include "macro/record_hook.h"

#include <cwchar>
#include <iterator>

#include "assign/key_names.h"
#include "platform/debug_output.h"

namespace norvale {
namespace {

void TraceKeyName(const HookKeyEvent& event, unsigned virtualKey, const std::wstring& name)
{
    wchar_t line[128];
    std::swprintf(line, std::size(line), L"virtual-key code :%xl;GetKeyStr(%x)=%ls\n", event.message,
                  virtualKey, name.c_str());
    DebugLine(line);
}

}  // namespace

std::optional<KeyTransition> RecordHook::JournalRecordHook(int hookCode, const HookKeyEvent& event)
{
    if (hookCode > 0) return std::nullopt;
    const unsigned flags = CaptureFlags(event.key);
    // A held key repeats its press with the same flags; the focused program
    // gets the repeats, the macro only the first press.
    if (event.key.virtualKey == lastVirtualKey_ && flags == lastKeyFlags_) return std::nullopt;
    lastKeyFlags_ = flags;
    DebugLine(KeyEventDebugLine(event.key));

    // Remembered under its own code, the keypad Enter's repeats are recorded.
    const unsigned virtualKey = CapturedVirtualKey(event.key);
    lastVirtualKey_ = virtualKey;
    lastKeyName_ = GetKeyStr(virtualKey);
    TraceKeyName(event, virtualKey, lastKeyName_);

    ++postedKeyCount_;
    return (flags & kKeyUpFlag) != 0 ? KeyTransition::Release : KeyTransition::Press;
}

}  // namespace norvale
