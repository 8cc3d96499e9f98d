#include "skin/scroll_frame_model.h"

namespace norvale {

NonClientLayout LayOutNonClient(const ui::Rect& client, const StandardBars& bars, int systemBarWidth,
                                int thickness, ui::Size frame)
{
    NonClientLayout layout{client};
    const int given = systemBarWidth - thickness;
    const bool rightBar = bars.vertical && !bars.onLeft;
    const bool leftBar = bars.vertical && bars.onLeft;
    const int verticalBottom = frame.height - (bars.horizontal ? thickness : 0);
    if (rightBar) {
        layout.client.right += given;
        layout.verticalBar = ui::Rect{frame.width - thickness, 0, frame.width, verticalBottom};
    }
    if (leftBar) {
        layout.client.left -= given;
        layout.verticalBar = ui::Rect{0, 0, thickness, verticalBottom};
    }
    if (bars.horizontal) {
        layout.client.bottom += given;
        layout.horizontalBar = ui::Rect{leftBar ? thickness : 0, frame.height - thickness,
                                        rightBar ? frame.width - thickness : frame.width, frame.height};
    }
    if (bars.vertical && bars.horizontal) layout.corner = bars.onLeft ? CornerKind::BottomLeft : CornerKind::BottomRight;
    return layout;
}

ClipLayout LayOutClip(ui::Size frame, int thickness, bool horizontalShown, bool verticalBar, bool onLeft)
{
    ClipLayout layout{{0, 0, frame.width, frame.height}};
    if (horizontalShown) layout.clip.bottom -= thickness;
    if (verticalBar && onLeft) {
        layout.clip.left += thickness;
        layout.wrappedLeft = -thickness;
    } else if (verticalBar) {
        layout.clip.right -= thickness;
    }
    return layout;
}

std::optional<SkinBlit> CornerBox(ui::Size frame, int thickness, CornerKind corner)
{
    if (corner == CornerKind::None) return std::nullopt;
    const int left = corner == CornerKind::BottomLeft ? 0 : frame.width - thickness;
    const int column = kCornerColumn * thickness;
    return SkinBlit{{column, 0, column + thickness, thickness},
                    {left, frame.height - thickness, left + thickness, frame.height}};
}

std::optional<BarRefresh> RefreshBar(const ScrollInfo& shown, const ScrollInfo& window)
{
    if (shown == window) return std::nullopt;
    return BarRefresh{window, window.maximum >= window.page};
}

}  // namespace norvale
