#include "assign/win32/drawn_dialog.h"

#include <string>

#include "skin/win32/module_directory.h"

namespace norvale {

const ui::MessageMap<CDrawnDialog>& CDrawnDialog::Map()
{
    using M = ui::MessageMap<CDrawnDialog>;
    static const M map{
        M::On(WM_PAINT, &CDrawnDialog::OnPaint),
        M::On(WM_ERASEBKGND, &CDrawnDialog::OnEraseBackground),
        M::On(WM_MOUSEMOVE, &CDrawnDialog::OnMouseMove),
        M::On(WM_MOUSEHOVER, &CDrawnDialog::OnMouseHover),
    };
    return map;
}

bool CDrawnDialog::SizeByBackground(std::wstring_view backgroundFile, std::wstring_view failedText,
                                    std::wstring_view failedCaption)
{
    if (!canvas_.Load(SkinPath(backgroundFile))) {
        MessageBoxW(Handle(), std::wstring(failedText).c_str(), std::wstring(failedCaption).c_str(), MB_OK);
        return false;
    }
    const ui::Size size = canvas_.Size();
    RECT area{};
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (owner && IsWindowVisible(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    const ui::Rect place = ui::CentredIn({area.left, area.top, area.right, area.bottom}, size);
    SetWindowPos(Handle(), nullptr, place.left, place.top, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

HWND CDrawnDialog::CreateNameDisplay(int id, const ui::Rect& rect, DWORD style, std::wstring_view text) const
{
    HWND display = CreateWindowExW(0, L"STATIC", std::wstring(text).c_str(), style, rect.left, rect.top, rect.Width(),
                                   rect.Height(), Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (display) SendMessageW(display, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    return display;
}

void CDrawnDialog::DragFrom(ui::Point point) const
{
    POINT screen{point.x, point.y};
    ClientToScreen(Handle(), &screen);
    PostMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void CDrawnDialog::RepaintNow() const { RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

std::intptr_t CDrawnDialog::OnPaint()
{
    PaintSkinnedWindow(Handle(), canvas_, Paint(), font_.Get());
    return 0;
}

// Over a button the dialog asks for a hover notice; elsewhere a lit button
// goes dark at once.
void CDrawnDialog::OnMouseMove(const ui::MouseArgs& mouse)
{
    const DrawnButtonHover::Move move = Hover().PointerMoved(mouse.point);
    if (move.trackHover) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, Handle(), hoverMilliseconds_};
        TrackMouseEvent(&track);
    }
    if (move.repaint) RepaintNow();
}

void CDrawnDialog::OnMouseHover(const ui::MouseArgs& mouse)
{
    if (Hover().PointerRested(mouse.point)) RepaintNow();
}

}  // namespace norvale
