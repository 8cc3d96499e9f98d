#pragma once
#include <array>
#include <vector>

#include "app/main_window_geometry.h"
#include "app/mouse_views.h"

namespace norvale {

// What a selection or view change asks the window to repaint.
struct SelectionRepaint {
    std::vector<int> functionButtons;  // internal indexes whose hover flag changed
    std::vector<int> viewButtons;      // views 1 … 3 whose button's hover flag changed
    bool mouseViewArea = false;
    friend bool operator==(const SelectionRepaint&, const SelectionRepaint&) = default;
};

// Which function button is marked on the mouse picture, which view is
// shown, and the hover flags the window sets on the function and view
// buttons so that a button stays lit while its menu is open or its view
// is shown.
class ButtonSelection {
public:
    int SelectedButton() const { return selectedButton_; }
    int CurrentView() const { return currentView_; }
    bool FunctionButtonLit(int button) const;
    bool ViewButtonLit(int view) const;

    // The buttons light and unlight themselves as the pointer passes; the
    // window reports that here so the next change starts from the truth.
    void NoteFunctionButtonHover(int button, bool lit);
    void NoteViewButtonHover(int view, bool lit);

    SelectionRepaint ClearButtonSelection();
    // Lights button b alone; the mark on the mouse picture stays as it is.
    SelectionRepaint SelectButton(int button);
    // A click on function button b: lit, and marked on the mouse picture.
    SelectionRepaint ChooseFunctionButton(int button);
    SelectionRepaint ShowMouseView(int view);
    // Button b's function menu closed or was refused: b goes dark and the
    // mouse picture marks nothing.
    SelectionRepaint EndMenuSelection(int button);

private:
    void SetFunctionLit(int button, bool lit, SelectionRepaint& repaint);

    int selectedButton_ = kNoSelection;
    int currentView_ = kNoView;
    std::array<bool, kFunctionButtonCount> functionLit_{};
    std::array<bool, 3> viewLit_{};
};

}  // namespace norvale
