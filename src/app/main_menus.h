#pragma once
#include <string>
#include <vector>

namespace norvale {

struct MenuItem {
    unsigned id;
    std::wstring text;
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// The UI text that holds the maker's web address, which command 1001 opens.
inline constexpr int kWebAddressSlot = 524;

inline constexpr unsigned kWebSiteCommand = 1001;
inline constexpr unsigned kFirmwareUpdaterCommand = 1002;
inline constexpr unsigned kVersionItemId = 1003;  // shown only; nothing handles it
// The range of the window's menu commands; those after the two above are
// the function menus' choices.
inline constexpr unsigned kFirstMainCommand = 1001;
inline constexpr unsigned kLastMainCommand = 4000;
// The standard cancel command: the tray's "Exit" ends the modal run with it.
inline constexpr unsigned kExitCommand = 2;

inline constexpr int kHelpMenuItemWidth = 120;
inline constexpr unsigned kHelpMenuTrackFlags = 0x0002;  // TPM_RIGHTBUTTON
inline constexpr unsigned kTrayMenuTrackFlags = 0;

// The title bar's help menu: the maker's web address, then the version.
std::vector<MenuItem> HelpMenuItems();
// The tray icon's one-item menu.
std::vector<MenuItem> TrayMenuItems();

}  // namespace norvale
