#pragma once
#include "app/main_window_action.h"
#include "app/main_window_geometry.h"

namespace norvale {

// The question ConfirmReset asks, with OK and Cancel: UI text slots of the
// text and the caption.
inline constexpr int kResetQuestionSlot = 577;
inline constexpr int kResetCaptionSlot = 578;

// What a click's outcome depends on besides the button.
struct RoutingFacts {
    bool devicePresent = false;
    bool profileListOpen = false;
    bool assignmentCollapsed = true;
    bool axisCollapsed = true;
};

// The steps a click on an image button takes. The window's default command
// processing follows in every case and is not listed.
MainActions RouteButtonClick(MainButton button, const RoutingFacts& facts);

// A click on the function button of internal button b: lit and marked,
// then its function menu.
MainActions RouteFunctionButtonClick(int button);

}  // namespace norvale
