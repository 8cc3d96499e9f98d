#pragma once
#include <optional>
#include <vector>

#include "ui/geometry.h"

namespace norvale {

// Buttons that a skinned window paints itself (close, OK, Cancel, ...), and
// which of them is lit under the pointer. Buttons are named by their place
// in the list of rectangles.
class DrawnButtonHover {
public:
    explicit DrawnButtonHover(std::vector<ui::Rect> rects) : rects_(std::move(rects)) {}

    std::optional<int> ButtonAt(ui::Point point) const;
    bool Lit(int button) const { return lit_ == button; }

    // The pointer moved. Over a button the window asks for a hover notice
    // (the button lights only when the pointer rests); elsewhere a lit
    // button goes dark.
    struct Move {
        bool trackHover = false;
        bool repaint = false;
    };
    Move PointerMoved(ui::Point point);

    // The pointer rested: the button under it lights, any other goes dark.
    // True when the window repaints.
    bool PointerRested(ui::Point point);

private:
    std::vector<ui::Rect> rects_;
    std::optional<int> lit_;
};

// The close, OK and Cancel buttons of the key and macro dialogs, in this
// order. Both dialogs are as wide as their picture and close at the same
// place.
enum DrawnButton { kCloseButton, kOkButton, kCancelButton };
inline constexpr ui::Rect kDrawnCloseRect{352, 6, 370, 24};

}  // namespace norvale
