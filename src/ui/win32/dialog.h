#pragma once
#include "ui/message_map.h"
#include "ui/win32/window.h"

namespace norvale::ui {

// A dialog made from a resource template, run modally (DoModal, ended by
// EndDialog) or modelessly (Create, ended by DestroyWindow). Its messages go
// through the object's tables like any CWnd's, from the first one the
// dialog manager passes on; the modal loop is the framework's own, so every
// queued message passes PreTranslateMessage. IDOK and IDCANCEL commands that
// no table of a derived class takes end in OnOK and OnCancel.
class CDialog : public WithMessageMap<CDialog, CWnd> {
public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}

    INT_PTR DoModal(HWND owner);
    bool Create(HWND parent);
    void EndDialog(INT_PTR result);

    bool PreTranslateMessage(MSG& message) override;

    static const MessageMap<CDialog>& Map();

protected:
    // WM_INITDIALOG; true lets the system set the focus.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK StartupProc(HWND, UINT, WPARAM, LPARAM);
    void RunModalLoop();

    std::intptr_t OnInitDialogMessage() { return OnInitDialog() ? TRUE : FALSE; }
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

    UINT templateId_;
    bool modal_ = false;
    bool ending_ = false;
    INT_PTR result_ = 0;
};

}  // namespace norvale::ui
