#pragma once
#include <array>
#include <string>

#include "app/absent_mouse_countdown.h"
#include "app/button_selection.h"
#include "app/command_routing.h"
#include "app/section_layout.h"
#include "skin/paint_list.h"

namespace norvale {

// Everything the main window decides rather than executes: which button is
// selected and which view shown, the state of the sections, the captions of
// the function buttons, and its hiding while the mouse is absent. The
// window forwards input here and carries out what comes back.
class MainWindowModel {
public:
    ButtonSelection selection;
    Sections sections;
    AbsentMouseCountdown absentMouse;
    // The button whose function menu was opened last; -1 before the first.
    int menuButton = -1;
    // The captions of the function buttons by internal index; persisted as
    // Item1 … Item7 of the label file.
    std::array<std::wstring, kFunctionButtonCount> buttonLabel;

    // Takes a function button's current caption; other indexes do nothing.
    void StoreButtonLabel(int button, std::wstring caption);

    RoutingFacts Facts(bool devicePresent, bool profileListOpen) const;
    PaintList Paint() const;
};

}  // namespace norvale
