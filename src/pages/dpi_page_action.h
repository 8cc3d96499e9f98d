#pragma once
#include <string>
#include <variant>
#include <vector>

#include "ui/geometry.h"

namespace norvale {

// What the DPI page's window does for its model, in the order given.

// Hides all seven value editors.
struct HideDpiEditors {
    friend bool operator==(const HideDpiEditors&, const HideDpiEditors&) = default;
};
struct SetDpiEditorText {
    int stage = 0;
    std::wstring text;
    friend bool operator==(const SetDpiEditorText&, const SetDpiEditorText&) = default;
};
// Shows the editor without moving the keyboard focus: the user clicks into
// it to type.
struct ShowDpiEditor {
    int stage = 0;
    friend bool operator==(const ShowDpiEditor&, const ShowDpiEditor&) = default;
};
// Shows the value on the slider without a report back.
struct SetDpiSlider {
    int stage = 0;
    int value = 0;
    friend bool operator==(const SetDpiSlider&, const SetDpiSlider&) = default;
};
struct RepaintDpiArea {
    ui::Rect area;
    friend bool operator==(const RepaintDpiArea&, const RepaintDpiArea&) = default;
};
struct RepaintDpiPage {
    friend bool operator==(const RepaintDpiPage&, const RepaintDpiPage&) = default;
};
// Asks the user for a colour; a confirmed one goes to
// DpiPageModel::StoreColour and the stage's swatch is repainted.
struct ChooseDpiColour {
    int stage = 0;
    friend bool operator==(const ChooseDpiColour&, const ChooseDpiColour&) = default;
};

using DpiPageAction = std::variant<HideDpiEditors, SetDpiEditorText, ShowDpiEditor, SetDpiSlider, RepaintDpiArea,
                                   RepaintDpiPage, ChooseDpiColour>;
using DpiPageActions = std::vector<DpiPageAction>;

}  // namespace norvale
