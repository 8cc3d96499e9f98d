#pragma once
#include <cstdint>
#include <optional>

#include "skin/scroll_bar_model.h"
#include "skin/scroll_bar_paint.h"
#include "ui/geometry.h"

namespace norvale {

// Posted by the wrapped window to its scroll frame whenever the system has
// measured the window's client area: wParam 1 when the window has a vertical
// bar, lParam 1 when that bar stands on the left.
inline constexpr std::uint32_t WM_SCROLLFRAME_LAYOUT = 0x464;

inline constexpr unsigned kHorizontalBarId = 100;
inline constexpr unsigned kVerticalBarId = 101;
inline constexpr unsigned kClipWindowId = 200;
// Scroll information can change without a repaint of the window; the frame
// looks for such changes twice a second.
inline constexpr unsigned kFrameTimerId = 100;
inline constexpr unsigned kFrameTimerMilliseconds = 500;

// Which corner of the frame shows the box where the two skinned bars meet.
enum class CornerKind { None = 0, BottomLeft = 1, BottomRight = 2 };

// The standard bars of the wrapped window.
struct StandardBars {
    bool vertical = false;
    bool horizontal = false;
    bool onLeft = false;
};

struct NonClientLayout {
    ui::Rect client;                         // the wrapped window's, widened
    std::optional<ui::Rect> verticalBar = std::nullopt;  // a skinned bar in the frame's client pixels; none: hidden
    std::optional<ui::Rect> horizontalBar = std::nullopt;
    CornerKind corner = CornerKind::None;
    friend bool operator==(const NonClientLayout&, const NonClientLayout&) = default;
};

// After the system measured the wrapped window's client area: each standard
// bar keeps only the skinned bars' thickness, a strip the clipping window
// hides, and the skinned bars stand along the frame's edges instead.
NonClientLayout LayOutNonClient(const ui::Rect& client, const StandardBars& bars, int systemBarWidth,
                                int thickness, ui::Size frame);

// The clipping window in the frame's client pixels, and the wrapped window's
// left edge inside it.
struct ClipLayout {
    ui::Rect clip;
    int wrappedLeft = 0;
    friend bool operator==(const ClipLayout&, const ClipLayout&) = default;
};

ClipLayout LayOutClip(ui::Size frame, int thickness, bool horizontalShown, bool verticalBar, bool onLeft);

// The corner box, thickness square, from the skin's last column; none
// without a corner.
std::optional<SkinBlit> CornerBox(ui::Size frame, int thickness, CornerKind corner);

// What a skinned bar takes from its window's scroll information: nothing
// while it shows the same; otherwise all of it, and a bar that cannot page
// through its range (maximum below the page) is disabled.
struct BarRefresh {
    ScrollInfo info;
    bool enabled = false;
    friend bool operator==(const BarRefresh&, const BarRefresh&) = default;
};

std::optional<BarRefresh> RefreshBar(const ScrollInfo& shown, const ScrollInfo& window);

}  // namespace norvale
