#pragma once
#include <optional>

#include "ui/geometry.h"

namespace norvale {

// The close, OK and Cancel buttons that the key and macro dialogs paint
// themselves, and which of them is lit under the pointer.
enum class DrawnButton { Close, Ok, Cancel };

// Both dialogs are as wide as their picture and close at the same place.
inline constexpr ui::Rect kDrawnCloseRect{352, 6, 370, 24};

struct DrawnButtonRects {
    ui::Rect close;
    ui::Rect ok;
    ui::Rect cancel;
};

class DrawnButtonHover {
public:
    explicit DrawnButtonHover(const DrawnButtonRects& rects) : rects_(rects) {}

    std::optional<DrawnButton> ButtonAt(ui::Point point) const;
    bool Lit(DrawnButton button) const { return lit_ == button; }

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
    DrawnButtonRects rects_;
    std::optional<DrawnButton> lit_;
};

}  // namespace norvale
