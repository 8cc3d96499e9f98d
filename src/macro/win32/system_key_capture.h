#pragma once
#include <windows.h>

#include <memory>

#include "assign/win32/low_level_key_hook.h"
#include "macro/key_capture.h"
#include "macro/record_hook.h"

namespace norvale {

// The recorder's key capture on Windows: a desktop-wide low-level keyboard
// hook that lets the recording hook decide each event and posts what it
// took to the macro window.
class SystemKeyCapture : public KeyCapture {
public:
    SystemKeyCapture(RecordHook& hook, HWND target) : recordHook_(hook), target_(target) {}

    bool Install() override;
    void Remove() override { hook_.reset(); }
    bool Installed() const override { return hook_ != nullptr; }
    std::uint32_t InstallError() const override { return error_; }

private:
    RecordHook& recordHook_;
    HWND target_;
    std::unique_ptr<LowLevelKeyHook> hook_;
    std::uint32_t error_ = 0;
};

}  // namespace norvale
