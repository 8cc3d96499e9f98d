#pragma once
#include "ui/win32/window.h"

namespace norvale::ui {

// A dialog made from a resource template, run modally (DoModal, ended by
// EndDialog) or modelessly (Create, ended by DestroyWindow). Its messages go
// through the object's tables like any CWnd's; the modal loop is the
// framework's own, so every queued message passes PreTranslateMessage.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}

    INT_PTR DoModal(HWND owner);
    bool Create(HWND parent);
    void EndDialog(INT_PTR result);

    bool PreTranslateMessage(MSG& message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // WM_INITDIALOG; true lets the system set the focus.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK StartupProc(HWND, UINT, WPARAM, LPARAM);
    void RunModalLoop();

    UINT templateId_;
    bool modal_ = false;
    bool ending_ = false;
    INT_PTR result_ = 0;
};

}  // namespace norvale::ui
