#include "skin/win32/bitmap_btn.h"

#include <algorithm>

#include "skin/win32/bitmap_cut.h"
#include "skin/win32/ui_font_win32.h"

namespace norvale {

const ui::MessageMap<CBitmapBtn>& CBitmapBtn::Map()
{
    using M = ui::MessageMap<CBitmapBtn>;
    static const M map{
        M::On(WM_MOUSEMOVE, &CBitmapBtn::OnMouseMove),
        M::On(WM_LBUTTONDOWN, &CBitmapBtn::OnLButtonDown),
        M::On(WM_LBUTTONUP, &CBitmapBtn::OnLButtonUp),
        M::On(WM_KILLFOCUS, &CBitmapBtn::OnKillFocus),
        M::On(WM_CAPTURECHANGED, &CBitmapBtn::OnCaptureChanged),
        M::On(WM_ERASEBKGND, &CBitmapBtn::OnEraseBackground),
        M::On(ui::Reflected(WM_DRAWITEM), &CBitmapBtn::OnDrawItem),
        M::On(ui::Reflected(WM_COMMAND), &CBitmapBtn::OnCommand),
    };
    return map;
}

bool CBitmapBtn::Create(const RECT& rect, ui::CWnd& parent, UINT id)
{
    if (!CreateControl(L"BUTTON", L"", WS_VISIBLE | BS_PUSHBUTTON, rect, parent, id)) return false;
    BecomeOwnerDrawn();
    return true;
}

bool CBitmapBtn::SubclassButton(HWND button)
{
    if (!SubclassWindow(button)) return false;
    BecomeOwnerDrawn();
    return true;
}

void CBitmapBtn::BecomeOwnerDrawn()
{
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~(BS_TYPEMASK | WS_TABSTOP)) | BS_OWNERDRAW);
}

void CBitmapBtn::SetStateBitmaps(int x0, int y0, int x1, int y1, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                                 HBITMAP disabled)
{
    const ui::Rect area{x0, y0, x1, y1};
    const std::array sources{normal, hover, pressed, disabled};
    for (std::size_t state = 0; state < sources.size(); ++state) {
        if (!sources[state]) continue;  // that state keeps its face
        // A picture given for several states is cut once and shared.
        const auto first = std::find(sources.begin(), sources.begin() + state, sources[state]);
        faces_[state] = first != sources.begin() + state
                            ? faces_[static_cast<std::size_t>(first - sources.begin())]
                            : std::make_shared<const GdiObject<HBITMAP>>(CutBitmap(Handle(), sources[state], area));
    }
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~(WS_BORDER | WS_TABSTOP));
}

void CBitmapBtn::SetLit(bool lit)
{
    if (hover_.Lit() == lit) return;
    hover_.Set(lit);
    InvalidateRect(Handle(), nullptr, FALSE);
}

std::intptr_t CBitmapBtn::OnDrawItem(const ui::Message& message)
{
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam));
    return TRUE;
}

std::optional<std::intptr_t> CBitmapBtn::OnCommand(const ui::CommandArgs& command)
{
    if (command.code != BN_CLICKED || !clicked_) return std::nullopt;
    clicked_();
    return 0;
}

void CBitmapBtn::Draw(const DRAWITEMSTRUCT& item) const
{
    const ButtonFace face = ChooseButtonFace((item.itemState & ODS_DISABLED) != 0,
                                             (item.itemState & ODS_SELECTED) != 0, hover_.Lit());
    const auto& faceBitmap = faces_[static_cast<std::size_t>(face)];
    HBITMAP bitmap = faceBitmap ? faceBitmap->Get() : nullptr;
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!caption_.empty()) {
        DrawCaption(item.hDC, bitmap, client);
        return;
    }
    MemorySurface source(item.hDC);
    if (!bitmap || !source) return;
    source.Select(bitmap);
    BitBlt(item.hDC, 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
}

void CBitmapBtn::DrawCaption(HDC target, HBITMAP face, const RECT& client) const
{
    MemorySurface canvas(target);
    GdiObject<HBITMAP> composed(CreateCompatibleBitmap(target, client.right, client.bottom));
    if (!canvas || !composed) return;
    canvas.Select(composed.Get());
    if (face) {
        MemorySurface source(target);
        source.Select(face);
        BitBlt(canvas.Get(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    }
    SetBkMode(canvas.Get(), TRANSPARENT);
    SetTextColor(canvas.Get(), kCaptionColour);
    const ui::Rect area = CaptionRect({0, 0, client.right, client.bottom}, indent_);
    const int height = FitCaptionHeight(fontHeight_, area.right - area.left, [&](int candidate) {
        const GdiObject<HFONT> font = CreateUiFont(CaptionFont(fontFace_, candidate));
        ScopedSelection fontSelection(canvas.Get(), font.Get());
        SIZE extent{};
        GetTextExtentPoint32W(canvas.Get(), caption_.c_str(), static_cast<int>(caption_.size()), &extent);
        return static_cast<int>(extent.cx);
    });
    const GdiObject<HFONT> font = CreateUiFont(CaptionFont(fontFace_, height));
    {
        ScopedSelection fontSelection(canvas.Get(), font.Get());
        RECT text{area.left, area.top, area.right, area.bottom};
        DrawTextW(canvas.Get(), caption_.c_str(), static_cast<int>(caption_.size()), &text, kCaptionFormat);
    }
    BitBlt(target, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
}

HWND CBitmapBtn::OwnerOrParent() const
{
    HWND owner = GetWindow(Handle(), GW_OWNER);
    return owner ? owner : GetParent(Handle());
}

void CBitmapBtn::Carry(const HoverActions& actions)
{
    if (actions.takeCapture) SetCapture(Handle());
    // The capture may already be another window's by now: that one keeps it.
    if (actions.releaseCapture && GetCapture() == Handle()) ReleaseCapture();
    if (actions.invalidate) InvalidateRect(Handle(), nullptr, FALSE);
    if (actions.activate) SetActiveWindow(GetAncestor(Handle(), GA_ROOT));
}

std::intptr_t CBitmapBtn::OnMouseMove(const ui::MouseArgs& mouse)
{
    const LRESULT result = Default();
    const POINT client{mouse.point.x, mouse.point.y};
    POINT screen = client;
    ClientToScreen(Handle(), &screen);
    HWND under = WindowFromPoint(screen);
    PointerFacts facts;
    facts.leftButtonDown = (mouse.keys & MK_LBUTTON) != 0;
    facts.buttonHoldsCapture = GetCapture() == Handle();
    facts.hasActiveWindow = GetActiveWindow() != nullptr;
    facts.hasOwnerOrParent = OwnerOrParent() != nullptr;
    facts.clientX = client.x;
    facts.overAnotherWindow = under && under != Handle();
    const HoverActions actions = hover_.OnMouseMove(facts);
    Carry(actions);
    if (actions.repostMove) {
        PostMessageW(GetParent(Handle()), WM_MOUSEMOVE, mouse.keys, ui::PackPoint({screen.x, screen.y}));
    }
    return result;
}

std::intptr_t CBitmapBtn::OnLButtonDown()
{
    HWND owner = OwnerOrParent();
    if (owner && GetActiveWindow() != owner) SetActiveWindow(owner);
    return Default();
}

std::intptr_t CBitmapBtn::OnLButtonUp()
{
    const LRESULT result = Default();
    PostMessageW(GetParent(Handle()), WM_LBUTTONUP, 0, 0);
    return result;
}

std::intptr_t CBitmapBtn::OnKillFocus()
{
    const LRESULT result = Default();
    hover_.Set(false);
    InvalidateRect(Handle(), nullptr, FALSE);
    return result;
}

std::intptr_t CBitmapBtn::OnCaptureChanged()
{
    Carry(hover_.OnCaptureChanged());
    return Default();
}

}  // namespace norvale
