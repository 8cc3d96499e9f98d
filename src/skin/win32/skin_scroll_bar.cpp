#include "skin/win32/skin_scroll_bar.h"

#include "skin/scroll_bar_paint.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/scroll_skin.h"
#include "ui/win32/native_rect.h"

namespace norvale {

const ui::MessageMap<CSkinScrollBar>& CSkinScrollBar::Map()
{
    using M = ui::MessageMap<CSkinScrollBar>;
    static const M map{
        M::On(WM_PAINT, &CSkinScrollBar::OnPaint),
        M::On(WM_ERASEBKGND, &CSkinScrollBar::OnEraseBackground),
        M::On(WM_SIZE, &CSkinScrollBar::OnSize),
        M::On(WM_ENABLE, &CSkinScrollBar::OnEnable),
        M::On(WM_LBUTTONDOWN, &CSkinScrollBar::OnLButtonDown),
        M::On(WM_LBUTTONDBLCLK, &CSkinScrollBar::OnLButtonDblClk),
        M::On(WM_MOUSEMOVE, &CSkinScrollBar::OnMouseMove),
        M::On(WM_LBUTTONUP, &CSkinScrollBar::OnLButtonUp),
        M::On(WM_MOUSELEAVE, &CSkinScrollBar::OnMouseLeave),
        M::On(WM_TIMER, &CSkinScrollBar::OnTimer),
        M::On(SBM_SETSCROLLINFO, &CSkinScrollBar::OnSetScrollInfo),
        M::On(SBM_GETSCROLLINFO, &CSkinScrollBar::OnGetScrollInfo),
    };
    return map;
}

bool CSkinScrollBar::Create(DWORD style, const RECT& rect, ui::CWnd& parent, UINT id)
{
    model_ = ScrollBarModel((style & SBS_VERT) != 0);
    model_.SetLength(model_.Vertical() ? rect.bottom - rect.top : rect.right - rect.left);
    return CreateControl(L"SCROLLBAR", L"", style & ~WS_VISIBLE, rect, parent, id);
}

void CSkinScrollBar::SetSkin(HBITMAP skin)
{
    skin_ = skin;
    cell_ = ScrollSkinCellOf(skin);
    model_.SetThickness(cell_.width);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CSkinScrollBar::Carry(const BarUpdate& update)
{
    for (const ScrollPart part : kScrollParts) {
        if (!(update.redraw & PartBit(part))) continue;
        const RECT area = ui::NativeRect(model_.PartRect(part));
        InvalidateRect(Handle(), &area, FALSE);
    }
    if (update.trackLeave) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
    }
    SetRepeatTimer(update.timer);
    // Last: the parent answers by giving the bar the window's new position.
    if (update.request) {
        const UINT message = model_.Vertical() ? WM_VSCROLL : WM_HSCROLL;
        const auto code = static_cast<WORD>(update.request->code);
        const auto position = static_cast<WORD>(update.request->position);
        SendMessageW(GetParent(Handle()), message, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(Handle()));
    }
}

void CSkinScrollBar::SetRepeatTimer(RepeatTimer timer)
{
    switch (timer) {
    case RepeatTimer::Keep:
        break;
    case RepeatTimer::StartDelay:
        SetTimer(Handle(), kRepeatDelayTimerId, kRepeatDelayMilliseconds, nullptr);
        break;
    case RepeatTimer::StartRepeat:
        KillTimer(Handle(), kRepeatDelayTimerId);
        SetTimer(Handle(), kRepeatTimerId, kRepeatMilliseconds, nullptr);
        break;
    case RepeatTimer::Stop:
        KillTimer(Handle(), kRepeatDelayTimerId);
        KillTimer(Handle(), kRepeatTimerId);
        break;
    }
}

std::intptr_t CSkinScrollBar::OnPaint()
{
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(Handle(), &paint);
    RECT client{};
    GetClientRect(Handle(), &client);
    MemorySurface canvas(screen);
    GdiObject<HBITMAP> composed(CreateCompatibleBitmap(screen, client.right, client.bottom));
    if (skin_ && canvas && composed) {
        canvas.Select(composed.Get());
        DrawSkinBlits(canvas.Get(), skin_, PaintScrollBar(model_, cell_));
        BitBlt(screen, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
    return 0;
}

std::intptr_t CSkinScrollBar::OnSize()
{
    RECT client{};
    GetClientRect(Handle(), &client);
    model_.SetLength(model_.Vertical() ? client.bottom : client.right);
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

std::intptr_t CSkinScrollBar::OnEnable()
{
    // The system's bar would paint itself here, over the skin.
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

std::intptr_t CSkinScrollBar::OnLButtonDown(const ui::MouseArgs& mouse)
{
    SetCapture(Handle());
    Carry(model_.Press(mouse.point));
    return 0;
}

std::intptr_t CSkinScrollBar::OnMouseMove(const ui::MouseArgs& mouse)
{
    Carry(model_.Move(mouse.point));
    return 0;
}

std::intptr_t CSkinScrollBar::OnLButtonUp(const ui::MouseArgs& mouse)
{
    if (GetCapture() == Handle()) ReleaseCapture();
    Carry(model_.Release(mouse.point));
    return 0;
}

std::intptr_t CSkinScrollBar::OnMouseLeave()
{
    Carry(model_.Leave());
    return 0;
}

std::intptr_t CSkinScrollBar::OnTimer(const ui::TimerArgs& timer)
{
    if (timer.id == kRepeatDelayTimerId) {
        Carry(model_.DelayElapsed());
    } else if (timer.id == kRepeatTimerId) {
        POINT pointer{};
        GetCursorPos(&pointer);
        ScreenToClient(Handle(), &pointer);
        Carry(model_.RepeatTick({pointer.x, pointer.y}));
    }
    return 0;
}

std::intptr_t CSkinScrollBar::OnSetScrollInfo(const ui::Message& message)
{
    const auto* given = reinterpret_cast<const SCROLLINFO*>(message.lParam);
    ScrollInfo info = model_.Info();
    if (!given) return info.position;
    if (given->fMask & SIF_RANGE) {
        info.minimum = given->nMin;
        info.maximum = given->nMax;
    }
    if (given->fMask & SIF_PAGE) info.page = static_cast<int>(given->nPage);
    if (given->fMask & SIF_POS) info.position = given->nPos;
    model_.SetInfo(info);
    if (message.wParam) InvalidateRect(Handle(), nullptr, FALSE);
    return info.position;
}

std::intptr_t CSkinScrollBar::OnGetScrollInfo(const ui::Message& message)
{
    auto* wanted = reinterpret_cast<SCROLLINFO*>(message.lParam);
    if (!wanted) return FALSE;
    const ScrollInfo& info = model_.Info();
    if (wanted->fMask & SIF_RANGE) {
        wanted->nMin = info.minimum;
        wanted->nMax = info.maximum;
    }
    if (wanted->fMask & SIF_PAGE) wanted->nPage = static_cast<UINT>(info.page);
    if (wanted->fMask & SIF_POS) wanted->nPos = info.position;
    if (wanted->fMask & SIF_TRACKPOS) wanted->nTrackPos = model_.TrackPosition();
    return TRUE;
}

}  // namespace norvale
