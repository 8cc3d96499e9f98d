#pragma once
#include "ui/dialog_keys.h"
#include "ui/win32/dialog.h"

namespace norvale {

// A page of the settings column: a child dialog under its header. The
// column refreshes it after the settings record changed from outside (a
// profile switch, a reset, values read back).
class CSettingsPage : public ui::CDialog {
public:
    using CDialog::CDialog;
    virtual void Refresh() {}

    // Enter, Esc, Space and F1 never reach the page's controls, so no key
    // presses a button or closes anything.
    bool PreTranslateMessage(MSG& message) override
    {
        return ui::IsSwallowedDialogKey(message.message, message.wParam) || CDialog::PreTranslateMessage(message);
    }

protected:
    // A page lives as long as the column; nothing ends it from inside.
    void OnOK() override {}
    void OnCancel() override {}
};

}  // namespace norvale
