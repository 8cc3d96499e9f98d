#pragma once
#include <vector>

#include "settings/profile_list.h"

namespace norvale {

// One step of the main window's answer to WM_PROFILE_ACTION, carried out in
// order; `argument` is the profile position where the step takes one.
enum class ProfileStep {
    ImportProfile,
    ExportProfile,
    LoadSettings,
    SetProfileIndex,  // argument: position; the settings' profileIndex
    LoadProfile,      // argument: position
    LoadLabelTexts,
    ClearDefaultsRequested,
    RefreshAxisSliders,
    CollapseSections,  // the left column's initial layout
    SetAxisSlidersFromSettings,
    RefreshPages,
    RefreshButtonLabels,
    CloseProfileList,  // and bring back the headers, function buttons and sliders
    SaveSettings,
    SaveLabelTexts,
};

struct ProfileStepAction {
    ProfileStep step;
    int argument = 0;
    friend bool operator==(const ProfileStepAction&, const ProfileStepAction&) = default;
};

// The main window's memory of the profile list: whose settings are live.
struct ProfileSwitchState {
    // Set to selectedProfile when the list opens; kNoProfileSelected once
    // the loaded profile was deleted, so any choice loads.
    int lastLoadedProfile = 0;
    bool importPending = false;
};

// Decides what the main window does for WM_PROFILE_ACTION (wParam, lParam)
// and updates its state. An import keeps its settings live through the
// close; closing on the loaded profile loads and saves nothing; a deletion
// only moves the loaded profile's position with its name.
std::vector<ProfileStepAction> DecideProfileAction(ProfileSwitchState& state, int action, int position);

}  // namespace norvale
