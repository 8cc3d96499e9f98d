#include "app/main_window_model.h"

#include "app/main_window_paint.h"

namespace norvale {

void MainWindowModel::StoreButtonLabel(int button, std::wstring caption)
{
    if (button < 0 || button >= kFunctionButtonCount) return;
    buttonLabel[static_cast<std::size_t>(button)] = std::move(caption);
}

RoutingFacts MainWindowModel::Facts(bool devicePresent, bool profileListOpen) const
{
    return {devicePresent, profileListOpen, sections.AssignmentCollapsed(), sections.AxisCollapsed()};
}

PaintList MainWindowModel::Paint() const
{
    return MainWindowPaintList(selection, sections);
}

}  // namespace norvale
