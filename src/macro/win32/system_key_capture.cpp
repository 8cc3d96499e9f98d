#include "macro/win32/system_key_capture.h"

#include "ui/program_messages.h"

namespace norvale {

bool SystemKeyCapture::Install()
{
    // Runs inside the hook: decide, post, return.
    auto hook = std::make_unique<LowLevelKeyHook>([this](unsigned message, const KeyEvent& event) {
        const std::optional<KeyTransition> taken = recordHook_.JournalRecordHook(0, {message, event});
        if (taken) PostMessageW(target_, WM_MACRO_KEY_EVENT, static_cast<WPARAM>(*taken), 0);
        return taken.has_value();
    });
    if (!hook->Installed()) {
        error_ = hook->InstallError();
        return false;
    }
    hook_ = std::move(hook);
    return true;
}

}  // namespace norvale
