#pragma once
#include <windows.h>

#include <functional>

#include "assign/key_event.h"

namespace norvale {

// A desktop-wide low-level keyboard hook for as long as the object lives.
// Every key press and release reaches the handler on the thread that made
// the object, through that thread's message loop; the handler's true takes
// the event away from every program. Windows silently removes a hook whose
// procedure is slow, so a handler only notes the event and posts.
//
// One hook answers at a time: a newer one takes the events until it goes.
class LowLevelKeyHook {
public:
    // The keyboard message (key down, system key up, ...) and the event.
    using Handler = std::function<bool(unsigned message, const KeyEvent&)>;

    explicit LowLevelKeyHook(Handler handler);
    ~LowLevelKeyHook();
    LowLevelKeyHook(const LowLevelKeyHook&) = delete;
    LowLevelKeyHook& operator=(const LowLevelKeyHook&) = delete;

    bool Installed() const { return hook_ != nullptr; }
    // GetLastError of a failed installation.
    DWORD InstallError() const { return error_; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM message, LPARAM event);

    Handler handler_;
    HHOOK hook_ = nullptr;
    DWORD error_ = 0;
};

}  // namespace norvale
