#include "app/command_routing.h"

#include "app/mouse_views.h"

namespace norvale {
namespace {

using S = MainStep;

MainActions ApplyClick(const RoutingFacts& facts)
{
    MainActions actions{{S::ClearButtonSelection}, {S::ShowWaitCursor}, {S::DisableApplyButton}};
    if (facts.devicePresent) {
        actions.insert(actions.end(), {{S::ApplyToMouse},
                                       {S::SaveSettings},
                                       {S::SaveLabelTexts},
                                       {S::CommitSnapshot},
                                       {S::ApplyPointerSettings}});
    }
    actions.insert(actions.end(), {{S::EnableApplyButton}, {S::RestoreCursor}});
    return actions;
}

MainActions ResetClick(const RoutingFacts& facts)
{
    MainActions actions{{S::ConfirmReset},
                        {S::ShowWaitCursor},
                        {S::ClearButtonSelection},
                        {S::RestoreFactorySettings},
                        {S::LayoutAssignmentSection, 1},
                        {S::LayoutAxisSection, 1},
                        {S::RefreshAxisSliders},
                        {S::RefreshPages},
                        {S::ShowMouseView, kTopView}};
    // The function buttons are not shown again: the section was closed just above.
    if (facts.profileListOpen) actions.insert(actions.end(), {{S::CloseProfileList}, {S::ShowSectionHeaders}});
    actions.insert(actions.end(), {{S::RefreshAxisSliders}, {S::RefreshButtonLabels}});
    for (int button = 0; button < kFunctionButtonCount; ++button) actions.push_back({S::StoreButtonLabel, button});
    // Without the mouse the reset wrote nothing, and neither does its end:
    // factory captions in the label file would name the user's functions,
    // which stay in the settings file.
    if (facts.devicePresent) actions.push_back({S::SaveLabelTexts});
    actions.push_back({S::RestoreCursor});
    return actions;
}

// The profile list takes the place of the headers, function buttons and
// sliders it covers, and brings them back when it closes.
MainActions ConfigClick(const RoutingFacts& facts)
{
    if (facts.profileListOpen) return {{S::ClearButtonSelection}};
    return {{S::ClearButtonSelection}, {S::OpenProfileList}};
}

}  // namespace

MainActions RouteButtonClick(MainButton button, const RoutingFacts& facts)
{
    switch (button) {
    case MainButton::Apply: return ApplyClick(facts);
    case MainButton::Cancel: return {{S::ClearButtonSelection}, {S::RevertToSnapshot}, {S::HideToTray}};
    case MainButton::Reset: return ResetClick(facts);
    case MainButton::Minimise: return {{S::ClearButtonSelection}, {S::Minimise}};
    case MainButton::Close: return {{S::ClearButtonSelection}, {S::HideToTray}};
    case MainButton::Help: return {{S::ClearButtonSelection}, {S::SetForeground}, {S::OpenHelpMenu}};
    case MainButton::TopView: return {{S::ShowMouseView, kTopView}};
    case MainButton::SideView: return {{S::ShowMouseView, kSideView}};
    case MainButton::Back: return {{S::ShowMouseView, kBackView}};
    case MainButton::AssignmentHeader:
        return {{S::ClearButtonSelection}, {S::LayoutAssignmentSection, facts.assignmentCollapsed ? 0 : 1}};
    case MainButton::MacroHeader: return {{S::ClearButtonSelection}, {S::RunMacroManager}};
    case MainButton::AxisHeader:
        return {{S::ClearButtonSelection}, {S::LayoutAxisSection, facts.axisCollapsed ? 0 : 1}};
    case MainButton::LiftOffHeader: return {};
    case MainButton::Config: return ConfigClick(facts);
    }
    return {};
}

MainActions RouteFunctionButtonClick(int button)
{
    if (button < 0 || button >= kFunctionButtonCount) return {};
    return {{S::ChooseFunctionButton, button}, {S::OpenFunctionMenu, button}};
}

}  // namespace norvale
