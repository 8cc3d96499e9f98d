#pragma once
#include <cmath>

#include "ui/geometry.h"

namespace norvale {

// The ring of a round dial that takes presses: the points whose distance
// from the centre lies between the inner and the outer radius, both
// included.
struct DialRing {
    ui::Point centre;
    double inner = 0.0;
    double outer = 0.0;

    // How far a point lies right of and below the centre.
    constexpr ui::Point Offset(ui::Point point) const { return {point.x - centre.x, point.y - centre.y}; }
    bool Contains(ui::Point point) const
    {
        const auto [dx, dy] = Offset(point);
        const double r = std::sqrt(static_cast<double>(dx * dx + dy * dy));
        return r >= inner && r <= outer;
    }
};

}  // namespace norvale
