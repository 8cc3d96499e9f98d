#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/main_window_action.h"

namespace norvale {

// The notification-area record, filled once and used for every add, delete
// and balloon.
inline constexpr std::uint32_t kTrayRecordSize = 952;
inline constexpr unsigned kTrayIconId = 128;
inline constexpr unsigned kTrayIconFlags = 7;  // message, icon, tip
// The record's fixed text fields, terminator included.
inline constexpr std::size_t kTrayTipCapacity = 128;
inline constexpr std::size_t kBalloonTextCapacity = 256;
inline constexpr std::size_t kBalloonTitleCapacity = 64;

// Cut to what a text field of the record holds, so a long translation can
// never run past it.
std::wstring FitTrayField(std::wstring_view text, std::size_t capacity);
// The product name in the current language.
std::wstring TrayTip();

inline constexpr std::uint32_t kLeftButtonDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr std::uint32_t kRightButtonUp = 0x0205;          // WM_RBUTTONUP

struct TrayResponse {
    std::intptr_t result = 0;
    MainActions actions;
};

// WM_TRAY_ICON_NOTIFY: a double-click brings the window back centred with
// its sections closed (only while the mouse is there); a right-click opens
// the "Exit" menu. Other icons answer 1.
TrayResponse RespondToTrayIcon(std::uintptr_t iconId, std::intptr_t mouseMessage, bool devicePresent);

inline constexpr std::uint16_t kArchitectureAmd64 = 9;
inline constexpr std::uint16_t kArchitectureIa64 = 6;

// The firmware updater below the executable's folder for the machine's own
// processor architecture; moduleDirectory keeps its final separator.
std::wstring FirmwareUpdaterPath(std::wstring_view moduleDirectory, std::uint16_t processorArchitecture);

}  // namespace norvale
