#include "app/button_selection.h"

#include <algorithm>

namespace norvale {
namespace {

bool IsButton(int button)
{
    return button >= 0 && button < kFunctionButtonCount;
}

void AddOnce(std::vector<int>& list, int value)
{
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

}  // namespace

bool ButtonSelection::FunctionButtonLit(int button) const
{
    return IsButton(button) && functionLit_[static_cast<std::size_t>(button)];
}

bool ButtonSelection::ViewButtonLit(int view) const
{
    return IsMouseView(view) && viewLit_[static_cast<std::size_t>(view - 1)];
}

void ButtonSelection::NoteFunctionButtonHover(int button, bool lit)
{
    if (IsButton(button)) functionLit_[static_cast<std::size_t>(button)] = lit;
}

void ButtonSelection::NoteViewButtonHover(int view, bool lit)
{
    if (IsMouseView(view)) viewLit_[static_cast<std::size_t>(view - 1)] = lit;
}

void ButtonSelection::SetFunctionLit(int button, bool lit, SelectionRepaint& repaint)
{
    bool& flag = functionLit_[static_cast<std::size_t>(button)];
    if (flag == lit) return;
    flag = lit;
    AddOnce(repaint.functionButtons, button);
}

SelectionRepaint ButtonSelection::ClearButtonSelection()
{
    SelectionRepaint repaint;
    for (int button = 0; button < kFunctionButtonCount; ++button) SetFunctionLit(button, false, repaint);
    selectedButton_ = kNoSelection;
    repaint.mouseViewArea = true;
    return repaint;
}

SelectionRepaint ButtonSelection::SelectButton(int button)
{
    SelectionRepaint repaint;
    for (int other = 0; other < kFunctionButtonCount; ++other) SetFunctionLit(other, false, repaint);
    if (IsButton(button)) SetFunctionLit(button, true, repaint);
    return repaint;
}

SelectionRepaint ButtonSelection::ChooseFunctionButton(int button)
{
    SelectionRepaint repaint = SelectButton(button);
    selectedButton_ = IsButton(button) ? button : kNoSelection;
    repaint.mouseViewArea = true;
    return repaint;
}

SelectionRepaint ButtonSelection::EndMenuSelection(int button)
{
    SelectionRepaint repaint;
    selectedButton_ = kNoSelection;
    repaint.mouseViewArea = true;
    if (IsButton(button)) SetFunctionLit(button, false, repaint);
    return repaint;
}

SelectionRepaint ButtonSelection::ShowMouseView(int view)
{
    SelectionRepaint repaint = ClearButtonSelection();
    for (int each = kTopView; each <= kBackView; ++each) {
        bool& flag = viewLit_[static_cast<std::size_t>(each - 1)];
        if (flag == (each == view)) continue;
        flag = each == view;
        repaint.viewButtons.push_back(each);
    }
    currentView_ = view;
    return repaint;
}

}  // namespace norvale
