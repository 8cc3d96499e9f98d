#include "assign/drawn_button_hover.h"

namespace norvale {

std::optional<DrawnButton> DrawnButtonHover::ButtonAt(ui::Point point) const
{
    if (rects_.close.Contains(point)) return DrawnButton::Close;
    if (rects_.ok.Contains(point)) return DrawnButton::Ok;
    if (rects_.cancel.Contains(point)) return DrawnButton::Cancel;
    return std::nullopt;
}

DrawnButtonHover::Move DrawnButtonHover::PointerMoved(ui::Point point)
{
    if (ButtonAt(point)) return {.trackHover = true};
    if (!lit_) return {};
    lit_.reset();
    return {.repaint = true};
}

bool DrawnButtonHover::PointerRested(ui::Point point)
{
    const std::optional<DrawnButton> under = ButtonAt(point);
    if (!under) return false;
    lit_ = under;
    return true;
}

}  // namespace norvale
