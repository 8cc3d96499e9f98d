#include "settings/profile_action_steps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace norvale {
namespace {

constexpr int kImport = 0;
constexpr int kExport = 1;
constexpr int kClose = 2;
constexpr int kDeleted = 3;

bool Has(const std::vector<ProfileStepAction>& steps, ProfileStep step)
{
    return std::ranges::any_of(steps, [step](const ProfileStepAction& action) { return action.step == step; });
}

bool TouchesSettingsOrFiles(const std::vector<ProfileStepAction>& steps)
{
    return Has(steps, ProfileStep::LoadProfile) || Has(steps, ProfileStep::LoadSettings) ||
           Has(steps, ProfileStep::SaveSettings) || Has(steps, ProfileStep::SaveLabelTexts);
}

TEST(ProfileActionStepsTest, ClosingOnTheLoadedProfileLoadsAndSavesNothing)
{
    ProfileSwitchState state{.lastLoadedProfile = 3};

    EXPECT_EQ(DecideProfileAction(state, kClose, 3),
              std::vector<ProfileStepAction>{{ProfileStep::CloseProfileList}});
    EXPECT_EQ(state.lastLoadedProfile, 3);
}

TEST(ProfileActionStepsTest, ClosingOnAnotherProfileLoadsItThenSavesIt)
{
    ProfileSwitchState state{.lastLoadedProfile = 0};

    const auto steps = DecideProfileAction(state, kClose, 4);

    EXPECT_EQ(state.lastLoadedProfile, 4);
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ(steps[0], (ProfileStepAction{ProfileStep::SetProfileIndex, 4}));
    EXPECT_EQ(steps[1], (ProfileStepAction{ProfileStep::LoadProfile, 4}));
    EXPECT_TRUE(Has(steps, ProfileStep::LoadLabelTexts));
    EXPECT_TRUE(Has(steps, ProfileStep::ClearDefaultsRequested));
    // The window goes before the saves, which store the loaded profile's
    // settings under its own number.
    EXPECT_EQ(steps[steps.size() - 3].step, ProfileStep::CloseProfileList);
    EXPECT_EQ(steps[steps.size() - 2].step, ProfileStep::SaveSettings);
    EXPECT_EQ(steps.back().step, ProfileStep::SaveLabelTexts);
    EXPECT_FALSE(Has(steps, ProfileStep::LoadSettings));
}

TEST(ProfileActionStepsTest, AnImportStaysLiveThroughTheClose)
{
    ProfileSwitchState state{.lastLoadedProfile = 0};

    const auto importing = DecideProfileAction(state, kImport, 2);
    EXPECT_EQ(importing.front().step, ProfileStep::ImportProfile);
    EXPECT_FALSE(TouchesSettingsOrFiles(importing));

    EXPECT_EQ(DecideProfileAction(state, kClose, 2),
              std::vector<ProfileStepAction>{{ProfileStep::CloseProfileList}});
    EXPECT_FALSE(state.importPending);
    EXPECT_EQ(state.lastLoadedProfile, 0);
}

TEST(ProfileActionStepsTest, LoadedProfileFollowsItsNameThroughADeletion)
{
    ProfileSwitchState state{.lastLoadedProfile = 3};

    EXPECT_TRUE(DecideProfileAction(state, kDeleted, 1).empty());
    EXPECT_EQ(state.lastLoadedProfile, 2);
    DecideProfileAction(state, kDeleted, 4);
    EXPECT_EQ(state.lastLoadedProfile, 2);
    // Its settings are live but no profile's any more: the close loads.
    DecideProfileAction(state, kDeleted, 2);
    EXPECT_TRUE(Has(DecideProfileAction(state, kClose, 2), ProfileStep::LoadProfile));
}

TEST(ProfileActionStepsTest, ExportReloadsTheCurrentProfile)
{
    ProfileSwitchState state;

    EXPECT_EQ(DecideProfileAction(state, kExport, 1),
              (std::vector<ProfileStepAction>{{ProfileStep::ExportProfile},
                                              {ProfileStep::LoadSettings},
                                              {ProfileStep::RefreshButtonLabels}}));
    EXPECT_TRUE(DecideProfileAction(state, 7, 1).empty());
}

}  // namespace
}  // namespace norvale
