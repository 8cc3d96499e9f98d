#include <gtest/gtest.h>

#include "app/command_routing.h"

namespace norvale {
namespace {

using S = MainStep;

RoutingFacts WithMouse()
{
    return {.devicePresent = true};
}

TEST(CommandRouting, ApplySendsSavesAndSnapshotsOnlyWithTheMouse)
{
    const MainActions withMouse{{S::ClearButtonSelection}, {S::ShowWaitCursor}, {S::DisableApplyButton},
                                {S::ApplyToMouse},         {S::SaveSettings},   {S::SaveLabelTexts},
                                {S::CommitSnapshot},       {S::ApplyPointerSettings},
                                {S::EnableApplyButton},    {S::RestoreCursor}};
    EXPECT_EQ(RouteButtonClick(MainButton::Apply, WithMouse()), withMouse);

    const MainActions withoutMouse{{S::ClearButtonSelection}, {S::ShowWaitCursor}, {S::DisableApplyButton},
                                   {S::EnableApplyButton},    {S::RestoreCursor}};
    EXPECT_EQ(RouteButtonClick(MainButton::Apply, {}), withoutMouse);
}

TEST(CommandRouting, CancelRevertsBeforeHidingWhileCloseKeepsTheLiveSettings)
{
    EXPECT_EQ(RouteButtonClick(MainButton::Cancel, {}),
              (MainActions{{S::ClearButtonSelection}, {S::RevertToSnapshot}, {S::HideToTray}}));
    EXPECT_EQ(RouteButtonClick(MainButton::Close, {}), (MainActions{{S::ClearButtonSelection}, {S::HideToTray}}));
}

TEST(CommandRouting, ResetAsksFirstThenClosesSectionsShowsTheTopViewAndClosesTheProfileList)
{
    RoutingFacts facts = WithMouse();
    facts.profileListOpen = true;
    facts.assignmentCollapsed = false;
    const MainActions expected{{S::ConfirmReset},
                               {S::ShowWaitCursor},
                               {S::ClearButtonSelection},
                               {S::RestoreFactorySettings},
                               {S::LayoutAssignmentSection, 1},
                               {S::LayoutAxisSection, 1},
                               {S::RefreshAxisSliders},
                               {S::RefreshPages},
                               {S::ShowMouseView, 1},
                               {S::CloseProfileList},
                               {S::ShowSectionHeaders},
                               {S::RefreshAxisSliders},
                               {S::RefreshButtonLabels},
                               {S::StoreButtonLabel, 0},
                               {S::StoreButtonLabel, 1},
                               {S::StoreButtonLabel, 2},
                               {S::StoreButtonLabel, 3},
                               {S::StoreButtonLabel, 4},
                               {S::StoreButtonLabel, 5},
                               {S::StoreButtonLabel, 6},
                               {S::SaveLabelTexts},
                               {S::RestoreCursor}};
    EXPECT_EQ(RouteButtonClick(MainButton::Reset, facts), expected);

    const MainActions withoutList = RouteButtonClick(MainButton::Reset, WithMouse());
    EXPECT_EQ(std::count(withoutList.begin(), withoutList.end(), MainAction{S::CloseProfileList}), 0);
    EXPECT_EQ(withoutList.size(), expected.size() - 2);
}

// The reset itself writes nothing without the mouse; the label file must not
// get the factory captions either, while the settings file keeps the user's
// functions.
TEST(CommandRouting, ResetWithoutTheMouseSavesNothing)
{
    const MainActions withoutMouse = RouteButtonClick(MainButton::Reset, {});
    for (const MainStep writing : {S::SaveLabelTexts, S::SaveSettings, S::ApplyToMouse, S::CommitSnapshot}) {
        EXPECT_EQ(std::count(withoutMouse.begin(), withoutMouse.end(), MainAction{writing}), 0);
    }
    EXPECT_EQ(withoutMouse.back(), MainAction{S::RestoreCursor});
}

// Nothing brings hidden headers back before the profile list exists, so
// Config leaves them shown, with the assignment section open or closed.
TEST(CommandRouting, ConfigLeavesTheHeadersShown)
{
    for (const bool collapsed : {true, false}) {
        RoutingFacts facts;
        facts.assignmentCollapsed = collapsed;
        EXPECT_EQ(RouteButtonClick(MainButton::Config, facts),
                  (MainActions{{S::ClearButtonSelection}, {S::OpenProfileList}}));
    }
    RoutingFacts open;
    open.profileListOpen = true;
    EXPECT_EQ(RouteButtonClick(MainButton::Config, open), (MainActions{{S::ClearButtonSelection}}));
}

TEST(CommandRouting, HeadersToggleTheirSectionsAndViewButtonsShowTheirViews)
{
    struct Case {
        MainButton button;
        RoutingFacts facts;
        MainActions expected;
    };
    const Case cases[] = {
        {MainButton::AssignmentHeader, {}, {{S::ClearButtonSelection}, {S::LayoutAssignmentSection, 0}}},
        {MainButton::AssignmentHeader,
         {.assignmentCollapsed = false},
         {{S::ClearButtonSelection}, {S::LayoutAssignmentSection, 1}}},
        {MainButton::AxisHeader, {}, {{S::ClearButtonSelection}, {S::LayoutAxisSection, 0}}},
        {MainButton::AxisHeader, {.axisCollapsed = false}, {{S::ClearButtonSelection}, {S::LayoutAxisSection, 1}}},
        {MainButton::MacroHeader, {}, {{S::ClearButtonSelection}, {S::RunMacroManager}}},
        {MainButton::LiftOffHeader, {}, {}},
        {MainButton::TopView, {}, {{S::ShowMouseView, 1}}},
        {MainButton::SideView, {}, {{S::ShowMouseView, 2}}},
        {MainButton::Back, {}, {{S::ShowMouseView, 3}}},
        {MainButton::Minimise, {}, {{S::ClearButtonSelection}, {S::Minimise}}},
        {MainButton::Help, {}, {{S::ClearButtonSelection}, {S::SetForeground}, {S::OpenHelpMenu}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RouteButtonClick(c.button, c.facts), c.expected) << static_cast<int>(c.button);
    }
}

TEST(CommandRouting, FunctionButtonIsMarkedBeforeItsMenuOpens)
{
    EXPECT_EQ(RouteFunctionButtonClick(4), (MainActions{{S::ChooseFunctionButton, 4}, {S::OpenFunctionMenu, 4}}));
    EXPECT_TRUE(RouteFunctionButtonClick(7).empty());
    EXPECT_TRUE(RouteFunctionButtonClick(-1).empty());
}

}  // namespace
}  // namespace norvale
