#include "settings/profile_action_steps.h"

namespace norvale {

std::vector<ProfileStepAction> DecideProfileAction(ProfileSwitchState& state, int action, int position)
{
    using enum ProfileStep;
    switch (static_cast<ProfileActionKind>(action)) {
    case ProfileActionKind::Import:
        state.importPending = true;
        return {{ImportProfile}, {RefreshAxisSliders}, {CollapseSections},
                {SetAxisSlidersFromSettings}, {RefreshPages}, {RefreshButtonLabels}};
    case ProfileActionKind::Export:
        return {{ExportProfile}, {LoadSettings}, {RefreshButtonLabels}};
    case ProfileActionKind::Close:
        if (state.importPending) {
            state.importPending = false;
            return {{CloseProfileList}};
        }
        if (position == state.lastLoadedProfile) return {{CloseProfileList}};
        state.lastLoadedProfile = position;
        return {{SetProfileIndex, position},
                {LoadProfile, position},
                {LoadLabelTexts},
                {ClearDefaultsRequested},
                {RefreshAxisSliders},
                {CollapseSections},
                {RefreshButtonLabels},
                {RefreshPages},
                {CloseProfileList},
                {SaveSettings},
                {SaveLabelTexts}};
    case ProfileActionKind::Deleted:
        if (state.lastLoadedProfile == position) {
            state.lastLoadedProfile = kNoProfileSelected;
        } else if (state.lastLoadedProfile > position) {
            --state.lastLoadedProfile;
        }
        return {};
    }
    return {};
}

}  // namespace norvale
