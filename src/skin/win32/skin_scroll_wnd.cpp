#include "skin/win32/skin_scroll_wnd.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "skin/scroll_frame_model.h"
#include "skin/win32/scroll_skin.h"
#include "skin/win32/skin_scroll_bar.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/native_rect.h"
#include "ui/win32/window.h"

namespace norvale {
namespace {

std::optional<ScrollInfo> ReadScrollInfo(HWND window, int bar)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(window, bar, &info)) return std::nullopt;
    return ScrollInfo{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

bool HasStyle(HWND window, LONG_PTR bits) { return (GetWindowLongPtrW(window, GWL_STYLE) & bits) != 0; }

void Place(const CSkinScrollBar& bar, const std::optional<ui::Rect>& rect)
{
    if (!rect) {
        ShowWindow(bar.Handle(), SW_HIDE);
        return;
    }
    SetWindowPos(bar.Handle(), nullptr, rect->left, rect->top, rect->Width(), rect->Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// The frame around a wrapped window: two skinned bars, a clipping window
// that hides the window's own bars, and a hook on the window's procedure
// that keeps the skinned bars in step with it. The frame lives as long as
// its window and frees itself with it.
class CSkinScrollWnd final : public ui::WithMessageMap<CSkinScrollWnd, ui::CWnd> {
public:
    static HWND Attach(HWND wrapped, HBITMAP skin);
    static const ui::MessageMap<CSkinScrollWnd>& Map();

private:
    CSkinScrollWnd(HBITMAP skin, int thickness) : skin_(skin), thickness_(thickness) {}

    bool CreateChildren();
    void Wrap(HWND wrapped);
    // The window is being destroyed: it goes back to its former parent as
    // it was, and the frame goes away.
    void LetGo();
    static LRESULT CALLBACK WrappedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void FollowWrapped(UINT message, WPARAM wParam, LPARAM lParam);
    void LayOutBars(RECT& client);
    // Shows the window's scroll information on the bar when it differs;
    // what the bar took, if anything.
    std::optional<BarRefresh> Mirror(const CSkinScrollBar& bar, int which) const;
    // Each skinned bar with the window's bar it stands for.
    struct SkinnedBar {
        const CSkinScrollBar& bar;
        int which;           // SB_VERT, SB_HORZ
        LONG_PTR standard;   // the window's style bit for that bar
    };
    std::array<SkinnedBar, 2> Bars() const
    {
        return {{{vertical_, SB_VERT, WS_VSCROLL}, {horizontal_, SB_HORZ, WS_HSCROLL}}};
    }
    void Forward(UINT message, const ui::ScrollArgs& scroll, const CSkinScrollBar& bar, int which);
    ui::Size ClientSize() const;

    std::intptr_t OnSize();
    std::intptr_t OnLayout(const ui::ScrollFrameLayoutArgs& layout);
    std::intptr_t OnVerticalScroll(const ui::ScrollArgs& scroll);
    std::intptr_t OnHorizontalScroll(const ui::ScrollArgs& scroll);
    std::intptr_t OnTimer(const ui::TimerArgs& timer);
    std::intptr_t OnPaint();
    std::intptr_t OnDestroy();
    void PostNcDestroy() override { delete this; }

    HBITMAP skin_;
    int thickness_;
    CSkinScrollBar horizontal_;
    CSkinScrollBar vertical_;
    ui::CWnd clip_;
    HWND wrapped_ = nullptr;
    WNDPROC wrappedProc_ = nullptr;
    LONG_PTR wrappedUserData_ = 0;
    HWND formerParent_ = nullptr;
    CornerKind corner_ = CornerKind::None;
    // Set while the frame itself moves or scrolls the window, whose hook
    // then leaves the bars alone.
    bool busy_ = false;
    bool destroying_ = false;
};

const ui::MessageMap<CSkinScrollWnd>& CSkinScrollWnd::Map()
{
    using M = ui::MessageMap<CSkinScrollWnd>;
    static const M map{
        M::On(WM_SIZE, &CSkinScrollWnd::OnSize),
        M::On(WM_SCROLLFRAME_LAYOUT, &CSkinScrollWnd::OnLayout),
        M::On(WM_VSCROLL, &CSkinScrollWnd::OnVerticalScroll),
        M::On(WM_HSCROLL, &CSkinScrollWnd::OnHorizontalScroll),
        M::On(WM_TIMER, &CSkinScrollWnd::OnTimer),
        M::On(WM_PAINT, &CSkinScrollWnd::OnPaint),
        M::On(WM_DESTROY, &CSkinScrollWnd::OnDestroy),
    };
    return map;
}

HWND CSkinScrollWnd::Attach(HWND wrapped, HBITMAP skin)
{
    const int thickness = ScrollSkinCellOf(skin).width;
    HWND parent = wrapped ? GetParent(wrapped) : nullptr;
    if (thickness <= 0 || !parent) return nullptr;
    RECT place{};
    GetWindowRect(wrapped, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    // The frame takes over the window's thin border and client edge.
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(wrapped, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(wrapped, GWL_EXSTYLE));
    const DWORD frameStyle = WS_CHILD | WS_CLIPCHILDREN | (style & (WS_VISIBLE | WS_BORDER));
    std::unique_ptr<CSkinScrollWnd> made(new CSkinScrollWnd(skin, thickness));
    if (!made->CreateCustom(L"SkinScrollBarFrame", frameStyle, place, parent,
                            static_cast<UINT>(GetDlgCtrlID(wrapped)), exStyle & WS_EX_CLIENTEDGE)) {
        return nullptr;
    }
    CSkinScrollWnd* frame = made.release();  // from here on its window owns it
    if (!frame->CreateChildren()) {
        DestroyWindow(frame->Handle());
        return nullptr;
    }
    frame->Wrap(wrapped);
    return frame->Handle();
}

bool CSkinScrollWnd::CreateChildren()
{
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT unplaced{};
    if (!clip_.CreateCustom(L"LIMIT", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client, Handle(), kClipWindowId) ||
        !horizontal_.Create(SBS_HORZ, unplaced, *this, kHorizontalBarId) ||
        !vertical_.Create(SBS_VERT, unplaced, *this, kVerticalBarId)) {
        return false;
    }
    horizontal_.SetSkin(skin_);
    vertical_.SetSkin(skin_);
    return true;
}

void CSkinScrollWnd::Wrap(HWND wrapped)
{
    SetWindowLongPtrW(wrapped, GWL_STYLE, GetWindowLongPtrW(wrapped, GWL_STYLE) & ~WS_BORDER);
    SetWindowLongPtrW(wrapped, GWL_EXSTYLE, GetWindowLongPtrW(wrapped, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    formerParent_ = GetParent(wrapped);
    SetParent(wrapped, clip_.Handle());
    wrapped_ = wrapped;
    wrappedUserData_ = SetWindowLongPtrW(wrapped, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    wrappedProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wrapped, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinScrollWnd::WrappedProc)));
    // Without its border the window fills the frame's client area; the
    // frame change has the hook lay out the bars for the first time.
    const ui::Size size = ClientSize();
    SetWindowPos(wrapped, nullptr, 0, 0, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetTimer(Handle(), kFrameTimerId, kFrameTimerMilliseconds, nullptr);
}

void CSkinScrollWnd::LetGo()
{
    HWND wrapped = std::exchange(wrapped_, nullptr);
    SetWindowLongPtrW(wrapped, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wrappedProc_));
    SetWindowLongPtrW(wrapped, GWLP_USERDATA, wrappedUserData_);
    RECT place{};
    GetWindowRect(Handle(), &place);
    MapWindowPoints(nullptr, formerParent_, reinterpret_cast<POINT*>(&place), 2);
    SetParent(wrapped, formerParent_);
    MoveWindow(wrapped, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    // The former parent is told nothing: it is usually being destroyed
    // itself, and a destroy message of its own would run its shutdown twice.
    // A frame already on its way out frees itself when its window is gone.
    if (!destroying_) DestroyWindow(Handle());
}

LRESULT CALLBACK CSkinScrollWnd::WrappedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* frame = reinterpret_cast<CSkinScrollWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC previous = frame->wrappedProc_;
    if (message == WM_DESTROY) {
        frame->LetGo();
        return CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    const LRESULT result = CallWindowProcW(previous, hwnd, message, wParam, lParam);
    // A window destroyed from inside its own handler has let its frame go.
    const auto hook = reinterpret_cast<LONG_PTR>(&CSkinScrollWnd::WrappedProc);
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == hook && !frame->busy_) frame->FollowWrapped(message, wParam, lParam);
    return result;
}

void CSkinScrollWnd::FollowWrapped(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        for (const SkinnedBar& skinned : Bars()) {
            if (!HasStyle(wrapped_, skinned.standard)) continue;
            if (const auto refresh = Mirror(skinned.bar, skinned.which)) {
                EnableWindow(skinned.bar.Handle(), refresh->enabled);
            }
        }
    } else if (message == WM_NCCALCSIZE && wParam) {
        LayOutBars(reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]);
    }
}

void CSkinScrollWnd::LayOutBars(RECT& client)
{
    const StandardBars bars{HasStyle(wrapped_, WS_VSCROLL), HasStyle(wrapped_, WS_HSCROLL),
                            (GetWindowLongPtrW(wrapped_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0};
    const NonClientLayout layout = LayOutNonClient({client.left, client.top, client.right, client.bottom}, bars,
                                                   GetSystemMetrics(SM_CXVSCROLL), thickness_, ClientSize());
    client = ui::NativeRect(layout.client);
    if (layout.corner != corner_) {
        corner_ = layout.corner;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    Place(vertical_, layout.verticalBar);
    Place(horizontal_, layout.horizontalBar);
    PostMessageW(Handle(), WM_SCROLLFRAME_LAYOUT, bars.vertical, bars.onLeft);
}

std::optional<BarRefresh> CSkinScrollWnd::Mirror(const CSkinScrollBar& bar, int which) const
{
    const std::optional<ScrollInfo> window = ReadScrollInfo(wrapped_, which);
    const std::optional<ScrollInfo> shown = ReadScrollInfo(bar.Handle(), SB_CTL);
    if (!window || !shown) return std::nullopt;
    const std::optional<BarRefresh> refresh = RefreshBar(*shown, *window);
    if (refresh) {
        const ScrollInfo& taken = refresh->info;
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, taken.minimum, taken.maximum,
                        static_cast<UINT>(taken.page), taken.position, 0};
        SetScrollInfo(bar.Handle(), SB_CTL, &info, TRUE);
    }
    return refresh;
}

void CSkinScrollWnd::Forward(UINT message, const ui::ScrollArgs& scroll, const CSkinScrollBar& bar, int which)
{
    busy_ = true;
    const auto request = static_cast<WORD>(scroll.request);
    const auto position = static_cast<WORD>(scroll.position);
    SendMessageW(wrapped_, message, MAKEWPARAM(request, position), 0);
    busy_ = false;
    // While the thumb is dragged the bar shows the drag, not the window.
    if (scroll.request != scroll_request::kThumbTrack) Mirror(bar, which);
}

ui::Size CSkinScrollWnd::ClientSize() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return {client.right, client.bottom};
}

std::intptr_t CSkinScrollWnd::OnSize()
{
    const LRESULT result = Default();
    const ui::Size size = ClientSize();
    if (wrapped_ && size.width > 0 && size.height > 0) {
        // The window's own bar strips then lie under the clipping window's edges.
        SetWindowPos(wrapped_, nullptr, 0, 0, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return result;
}

std::intptr_t CSkinScrollWnd::OnLayout(const ui::ScrollFrameLayoutArgs& layout)
{
    busy_ = true;
    const ClipLayout clip = LayOutClip(ClientSize(), thickness_, HasStyle(horizontal_.Handle(), WS_VISIBLE),
                                       layout.verticalBar, layout.barOnLeft);
    MoveWindow(clip_.Handle(), clip.clip.left, clip.clip.top, clip.clip.Width(), clip.clip.Height(), TRUE);
    SetWindowPos(wrapped_, nullptr, clip.wrappedLeft, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    busy_ = false;
    return 0;
}

std::intptr_t CSkinScrollWnd::OnVerticalScroll(const ui::ScrollArgs& scroll)
{
    Forward(WM_VSCROLL, scroll, vertical_, SB_VERT);
    return 0;
}

std::intptr_t CSkinScrollWnd::OnHorizontalScroll(const ui::ScrollArgs& scroll)
{
    Forward(WM_HSCROLL, scroll, horizontal_, SB_HORZ);
    return 0;
}

std::intptr_t CSkinScrollWnd::OnTimer(const ui::TimerArgs& timer)
{
    if (timer.id != kFrameTimerId) return Default();
    for (const SkinnedBar& skinned : Bars()) {
        if (HasStyle(skinned.bar.Handle(), WS_VISIBLE) && !skinned.bar.Dragging()) Mirror(skinned.bar, skinned.which);
    }
    return 0;
}

std::intptr_t CSkinScrollWnd::OnPaint()
{
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(Handle(), &paint);
    if (const std::optional<SkinBlit> box = CornerBox(ClientSize(), thickness_, corner_)) {
        DrawSkinBlits(screen, skin_, {*box});
    }
    EndPaint(Handle(), &paint);
    return 0;
}

std::intptr_t CSkinScrollWnd::OnDestroy()
{
    destroying_ = true;
    return Default();
}

}  // namespace

HWND AttachSkinScrollFrame(HWND wrapped, HBITMAP skin)
{
    return CSkinScrollWnd::Attach(wrapped, skin);
}

}  // namespace norvale
