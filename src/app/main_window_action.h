#pragma once
#include <vector>

namespace norvale {

// One step the main window carries out. Clicks, tray gestures and hot-plug
// notices are decided as ordered lists of these, and the window performs
// them in order; `argument` is the button index, view, or section state
// where the step takes one.
enum class MainStep {
    // Selection and layout (the window asks its model, then repaints).
    ClearButtonSelection,
    ChooseFunctionButton,     // argument: internal button index
    ShowMouseView,            // argument: view 1 … 3
    LayoutAssignmentSection,  // argument: 1 closed, 0 open
    LayoutAxisSection,        // argument: 1 closed, 0 open
    // Controls.
    RefreshButtonLabels,
    StoreButtonLabel,  // argument: internal button index
    RefreshAxisSliders,
    RefreshPages,
    DisableApplyButton,
    EnableApplyButton,
    HideFunctionButton,  // argument: internal button index
    ShowSectionHeaders,  // Button Assignment, Macro Manager, Axis Sensitivity
    LockWindowUpdate,
    UnlockWindowUpdate,
    ShowWaitCursor,
    RestoreCursor,
    // The window itself.
    HideToTray,
    RecentreWindow,  // moved to (0, 0) at the background's size, then centred on its screen
    ShowInTaskbar,   // tool window back to app window
    ShowWindow,
    HideWindow,
    SetForeground,
    Minimise,
    // Dialogs and menus.
    ConfirmReset,  // the steps after it run only when the user answers OK
    OpenHelpMenu,
    OpenTrayMenu,
    OpenFunctionMenu,  // argument: internal button index; the selection ends when it closes
    RunMacroManager,   // and take its macro images when it ends with OK
    OpenProfileList,
    CloseProfileList,
    // Settings, files and the mouse.
    ApplyToMouse,
    SaveSettings,
    SaveLabelTexts,
    CommitSnapshot,
    RevertToSnapshot,
    RestoreFactorySettings,
    ApplyPointerSettings,
    LoadSettings,
    LoadLabelTexts,
    // Device link and tray icon.
    NotifyMouseDetected,  // WM_DEVICE_NOTIFY code 14
    NotifyMouseMissing,   // WM_DEVICE_NOTIFY code 15
    LogMouseMissing,
    MarkDevicePresent,
    MarkDeviceAbsent,
    ClearDeviceState,
    ReadProfileIndexIntoSettings,
    SendFunctionOption,
    ResumeListener,
    AddTrayIcon,
    RemoveTrayIcon,
};

struct MainAction {
    MainStep step;
    int argument = 0;
    friend bool operator==(const MainAction&, const MainAction&) = default;
};

using MainActions = std::vector<MainAction>;

}  // namespace norvale
