#include "ui/win32/dialog.h"

#include "ui/win32/message_loop.h"

namespace norvale::ui {

const MessageMap<CDialog>& CDialog::Map()
{
    using M = MessageMap<CDialog>;
    static const M map{
        M::On(WM_INITDIALOG, &CDialog::OnInitDialogMessage),
        M::Command(IDOK, &CDialog::OnOKCommand),
        M::Command(IDCANCEL, &CDialog::OnCancelCommand),
    };
    return map;
}

INT_PTR CALLBACK CDialog::StartupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Once the object has the window, its own procedure sees every message
    // first and calls the dialog manager's, which lands here, only for the
    // default processing: nothing to add.
    if (FromHandle(hwnd)) return FALSE;
    CWnd* dialog = TakeWindowBeingCreated();
    if (!dialog || !dialog->SubclassWindow(hwnd)) return FALSE;
    // The first message the dialog manager passes on (WM_SETFONT, or
    // WM_INITDIALOG for a template without a font) goes to the object as it
    // came; its default processing, if it asks for it, has then been done.
    const LRESULT result = RouteMessage(*dialog, hwnd, message, wParam, lParam);
    if (message == WM_INITDIALOG) return result;
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CDialog::Create(HWND parent)
{
    const CreationScope creating(*this);
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                                   &CDialog::StartupProc, 0);
    return hwnd != nullptr;
}

INT_PTR CDialog::DoModal(HWND owner)
{
    const bool reenableOwner = owner && IsWindowEnabled(owner);
    if (reenableOwner) EnableWindow(owner, FALSE);
    modal_ = true;
    ending_ = false;
    result_ = -1;
    if (Create(owner)) {
        RunModalLoop();
        DestroyWindow(Handle());
    }
    modal_ = false;
    if (reenableOwner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    return result_;
}

void CDialog::RunModalLoop()
{
    MSG message;
    while (!ending_ && Handle()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the outer loop
            break;
        }
        if (got < 0) break;
        DispatchQueuedMessage(message);
    }
}

void CDialog::EndDialog(INT_PTR result)
{
    result_ = result;
    if (modal_) {
        ending_ = true;
        Post(WM_NULL);  // wake the modal loop
    } else {
        DestroyWindow(Handle());
    }
}

bool CDialog::PreTranslateMessage(MSG& message)
{
    // Keyboard navigation between the dialog's own controls.
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    return IsDialogMessageW(Handle(), &message) != FALSE;
}

}  // namespace norvale::ui
