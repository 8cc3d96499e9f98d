#include "ui/win32/dialog.h"

#include "ui/win32/message_loop.h"

namespace norvale::ui {
namespace {
// The dialog being created, until its first message claims it.
thread_local CDialog* dialogBeingCreated = nullptr;
}

INT_PTR CALLBACK CDialog::StartupProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    // The dialog procedure only hands the window to its object; from then on
    // the object's own window procedure sees every message first and uses the
    // dialog manager's procedure, which lands here again, as its default.
    if (!dialogBeingCreated || FromHandle(hwnd)) return FALSE;
    CDialog* dialog = dialogBeingCreated;
    dialogBeingCreated = nullptr;
    dialog->SubclassWindow(hwnd);
    if (message == WM_INITDIALOG) return dialog->Send(WM_INITDIALOG);
    return FALSE;
}

bool CDialog::Create(HWND parent)
{
    dialogBeingCreated = this;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                                   &CDialog::StartupProc, 0);
    dialogBeingCreated = nullptr;
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

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const Message portable{message, wParam, lParam};
        if (auto handled = DispatchToMaps(portable)) return *handled;
        return OnInitDialog() ? TRUE : FALSE;
    }
    if (message == WM_COMMAND && lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        const Message portable{message, wParam, lParam};
        if (OnCommand(portable)) return 0;
        if (auto handled = DispatchToMaps(portable)) return *handled;
        if (LOWORD(wParam) == IDOK) OnOK(); else OnCancel();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace norvale::ui
