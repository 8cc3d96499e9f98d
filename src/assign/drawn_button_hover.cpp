#include "assign/drawn_button_hover.h"

namespace norvale {

std::optional<int> DrawnButtonHover::ButtonAt(ui::Point point) const
{
    for (std::size_t button = 0; button < rects_.size(); ++button) {
        if (rects_[button].Contains(point)) return static_cast<int>(button);
    }
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
    const std::optional<int> under = ButtonAt(point);
    if (!under) return false;
    lit_ = under;
    return true;
}

}  // namespace norvale
