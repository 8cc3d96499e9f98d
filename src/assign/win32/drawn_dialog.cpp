#include "assign/win32/drawn_dialog.h"

#include <string>

#include "skin/win32/module_directory.h"

namespace norvale {

bool SizeDialogByBackground(HWND dialog, PageCanvas& canvas, std::wstring_view backgroundFile,
                            std::wstring_view failedText, std::wstring_view failedCaption)
{
    if (!canvas.Load(SkinPath(backgroundFile))) {
        MessageBoxW(dialog, std::wstring(failedText).c_str(), std::wstring(failedCaption).c_str(), MB_OK);
        return false;
    }
    const ui::Size size = canvas.Size();
    RECT area{};
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner && IsWindowVisible(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    const ui::Rect place = ui::CentredIn({area.left, area.top, area.right, area.bottom}, size);
    SetWindowPos(dialog, nullptr, place.left, place.top, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

HWND CreateNameDisplay(HWND dialog, int id, const ui::Rect& rect, DWORD style, HFONT font, std::wstring_view text)
{
    HWND display = CreateWindowExW(0, L"STATIC", std::wstring(text).c_str(), style, rect.left, rect.top, rect.Width(),
                                   rect.Height(), dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (display) SendMessageW(display, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return display;
}

void TrackDrawnButtons(HWND dialog, DrawnButtonHover& hover, ui::Point point, DWORD hoverMilliseconds)
{
    const DrawnButtonHover::Move move = hover.PointerMoved(point);
    if (move.trackHover) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, dialog, hoverMilliseconds};
        TrackMouseEvent(&track);
    }
    if (move.repaint) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void LightDrawnButton(HWND dialog, DrawnButtonHover& hover, ui::Point point)
{
    if (hover.PointerRested(point)) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void DragDialogFrom(HWND dialog, ui::Point point)
{
    POINT screen{point.x, point.y};
    ClientToScreen(dialog, &screen);
    PostMessageW(dialog, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

}  // namespace norvale
