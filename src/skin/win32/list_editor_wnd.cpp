#include "skin/win32/list_editor_wnd.h"

#include <memory>

#include "skin/win32/list_box_ex.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

// The character of the Enter that ended the edit, among others, must not
// reach a window that is going away.
void DropQueuedMessages(HWND window)
{
    MSG queued{};
    while (PeekMessageW(&queued, window, 0, 0, PM_REMOVE) != FALSE) {
    }
}

}  // namespace

const ui::MessageMap<CLBEditorWnd>& CLBEditorWnd::Map()
{
    using M = ui::MessageMap<CLBEditorWnd>;
    static const M map{
        M::On(WM_KEYDOWN, &CLBEditorWnd::OnKeyDown),
        M::On(WM_LBUTTONDOWN, &CLBEditorWnd::OnLButtonDown),
        M::On(WM_LBUTTONUP, &CLBEditorWnd::OnLButtonUp),
        M::On(WM_KILLFOCUS, &CLBEditorWnd::OnKillFocus),
        M::On(WM_GETDLGCODE, &CLBEditorWnd::OnGetDlgCode),
    };
    return map;
}

bool CLBEditorWnd::Open(CListBoxEx& list, int row, EditorMode mode)
{
    std::unique_ptr<CLBEditorWnd> editor(new CLBEditorWnd(list, mode));
    if (!editor->Start(row)) return false;
    editor.release();  // deleted with its window
    return true;
}

bool CLBEditorWnd::Start(int row)
{
    if (!editor_.Start(row, list_.RowCount())) return false;
    const RECT rect = ui::NativeRect(EditorRect(list_.RowRect(row)));
    if (!Create(EditorStyle(TakesDigitsOnly(mode_)), rect, list_, kListEditorControlId)) return false;
    Send(WM_SETFONT, static_cast<WPARAM>(list_.Send(WM_GETFONT)), TRUE);
    SetWindowTextW(Handle(), list_.RowText(row).c_str());
    SetCapture(Handle());
    SetFocus(Handle());
    Send(EM_SETSEL, 0, -1);
    Send(EM_SCROLLCARET);
    return true;
}

void CLBEditorWnd::End(bool commit)
{
    const std::optional<EditEnd> end = editor_.End(commit, mode_, Text());
    if (!end) return;
    ReleaseCapture();
    if (end->rowText) list_.ReplaceRow(end->row, *end->rowText);
    DropQueuedMessages(Handle());
    list_.Post(end->notice.id, end->notice.wParam, end->notice.lParam);
    DestroyWindow(Handle());
}

std::optional<std::intptr_t> CLBEditorWnd::Carry(EditorInput input)
{
    if (input == EditorInput::PassOn) return std::nullopt;
    End(input == EditorInput::Commit);
    return 0;
}

bool CLBEditorWnd::PointerOverEditor(const ui::MouseArgs& mouse) const
{
    POINT point{mouse.point.x, mouse.point.y};
    ClientToScreen(Handle(), &point);
    return WindowFromPoint(point) == Handle();
}

std::optional<std::intptr_t> CLBEditorWnd::OnKeyDown(const ui::Message& message)
{
    return Carry(ClassifyEditorInput(message, true));
}

std::optional<std::intptr_t> CLBEditorWnd::OnLButtonDown(const ui::Message& message)
{
    return Carry(ClassifyEditorInput(message, PointerOverEditor(ui::MouseArgs::From(message))));
}

std::intptr_t CLBEditorWnd::OnLButtonUp()
{
    // The field lets the capture go when a press inside it is released; it
    // is taken back so that the next press elsewhere still ends the edit
    // instead of reaching the list.
    const LRESULT result = Default();
    SetCapture(Handle());
    return result;
}

std::intptr_t CLBEditorWnd::OnKillFocus(const ui::Message& message)
{
    // The field hides its caret first. Once the edit has ended (the window
    // being destroyed loses the focus too) the end commits nothing.
    Default();
    Carry(ClassifyEditorInput(message, true));
    return 0;
}

}  // namespace norvale
