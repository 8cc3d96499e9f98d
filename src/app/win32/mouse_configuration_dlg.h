#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "app/main_menus.h"
#include "app/main_window_model.h"
#include "app/win32/listener_thread.h"
#include "app/win32/config_dialog.h"
#include "app/win32/main_window_controls.h"
#include "app/win32/notify_icon.h"
#include "assign/dpi_item_texts.h"
#include "device/device_link.h"
#include "device/hid_bus.h"
#include "device/win32/system_pointer_settings.h"
#include "encoding/apply_sequence.h"
#include "macro/win32/macro_program_dialog.h"
#include "pages/win32/dlg_advance.h"
#include "platform/clock.h"
#include "platform/win32/windows_file_system.h"
#include "platform/win32/windows_profile_file.h"
#include "settings/profile_action_steps.h"
#include "settings/settings_files.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/page_canvas.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// The utility's one top-level window: a borderless skinned dialog that
// shows the mouse, its buttons and sections, owns the start-up of the device
// link and the settings, and hides to the notification area. What it shows
// and does is decided by its model; the window carries the decisions out.
class CMouseConfigurationDlg : public ui::WithMessageMap<CMouseConfigurationDlg, ui::CDialog> {
public:
    CMouseConfigurationDlg();
    ~CMouseConfigurationDlg() override;

    static const ui::MessageMap<CMouseConfigurationDlg>& Map();
    bool PreTranslateMessage(MSG& message) override;

    // Offered to the windows that come with the pages, the profile list and
    // the function menus.
    void ClearButtonSelection();
    void SelectButton(int button);
    void ShowMouseView(int view);
    void RefreshButtonLabels();
    void StoreButtonLabel(int button);
    void RefreshAxisSliders();
    void HideToTray();
    void LayoutAssignmentSection(bool closed);
    void LayoutAxisSection(bool closed);
    void CollapseSections();

protected:
    bool OnInitDialog() override;

private:
    bool StartDeviceLink();
    void LoadSettingsAndTexts();
    void BuildSkin();
    void CreateSettingsColumn();
    void OnImageButtonClicked(MainButton button);

    // Carrying out the model's decisions (main_window_steps.cpp).
    void Carry(const MainActions& actions);
    bool CarryStep(const MainAction& action);
    void CarrySelection(const SelectionRepaint& repaint);
    void CarryLayout(const SectionLayout& layout);
    void NoteButtonHover();
    void OpenMenu(const std::vector<MenuItem>& items, int itemWidth, UINT trackFlags);
    void RecentreWindow();
    void SetExtendedStyle(LONG_PTR remove, LONG_PTR add);
    void ShowSectionHeaders();
    void ShowFunctionButtons(Visibility visibility);
    void ReadMouseProfile(DeviceQuery query);

    // The function menu and its choices (main_window_assignment.cpp).
    void ShowFunctionMenu(int button);
    void RunMacroManager();  // main_window_macros.cpp

    // The profile list and its actions (main_window_profiles.cpp).
    void OpenProfileList();
    void CloseProfileList();
    void OnProfileAction(const ui::ProfileActionArgs& action);
    void CarryProfileStep(const ProfileStepAction& action);
    void ImportProfile();
    void ExportProfile();
    void OnAssignFunction(const ui::CommandArgs& command);
    ButtonCaptions Captions() const;
    ApplyContext Apply();
    DeviceContext Device() { return {*bus_, link_, clock_}; }
    bool DevicePresent() const { return link_.devicePresent == 1; }

    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }
    std::intptr_t OnQueryDragIcon();
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    std::intptr_t OnNcPaint();
    std::intptr_t OnButtonColour(const ui::Message&);
    std::intptr_t OnEditColour(const ui::Message&);
    std::intptr_t OnMenuOwnerDraw(const ui::Message&);
    void OnMarkerChanged(const ui::MarkerArgs& marker);
    void OnOpenWebSite();
    void OnStartFirmwareUpdater();
    std::intptr_t OnTrayIcon(const ui::TrayIconArgs& tray);
    void OnDeviceNotify(const ui::DeviceNotifyArgs& notice);
    std::intptr_t OnDeviceChange(const ui::DeviceChangeArgs& change);
    std::intptr_t OnRelayedDeviceChange(const ui::Message&);
    std::intptr_t OnDestroy();

    HICON icon_;
    std::unique_ptr<HidBus> bus_;
    DeviceLink link_;
    SystemClock clock_;
    std::unique_ptr<HidSignal> readEvent_;
    std::unique_ptr<ListenerThread> listener_;
    HDEVNOTIFY deviceNotification_ = nullptr;

    WindowsFileSystem fileSystem_;
    WindowsProfileFile profileFile_;
    SettingsFiles settingsFiles_;
    SystemPointerSettings pointerSystem_;

    PageCanvas canvas_;
    GdiObject<HBITMAP> scrollSkin_;  // the column's scroll bars are drawn from it
    CDlgadvance column_;
    GdiObject<HFONT> font_;
    GdiObject<HBRUSH> editBrush_;
    MainControls controls_;
    MainWindowModel model_;
    DpiItemTexts dpiItemTexts_;  // in the UI language, once the texts are read
    std::unique_ptr<CMacroProgramDialog> macroWindow_;  // made at its first opening, kept from then on
    std::unique_ptr<CConfigDialog> profileWindow_;       // while the profile list is open
    ProfileSwitchState profileSwitch_;
    NotifyIcon tray_;
    HCURSOR cursorBeforeWait_ = nullptr;
};

}  // namespace norvale
