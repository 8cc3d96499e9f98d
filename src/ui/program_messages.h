#pragma once
#include <cstdint>

namespace norvale {

// Messages between the utility's own windows and threads; the numbers are
// fixed because the tray, the listener, the page container and the keyboard
// hooks rely on them.
inline constexpr std::uint32_t WM_TRAY_ICON_NOTIFY = 0x7F1;        // wParam icon id, lParam mouse message
inline constexpr std::uint32_t WM_DEVICE_NOTIFY = 0x7F2;           // wParam event code, lParam value
inline constexpr std::uint32_t WM_CLEAR_BUTTON_SELECTION = 0x7F4;  // from the page container
inline constexpr std::uint32_t WM_PROFILE_ACTION = 0xB03;          // wParam action, lParam profile position
inline constexpr std::uint32_t WM_SINGLE_KEY_CAPTURED = 0xB04;     // from the key dialog's keyboard hook
inline constexpr std::uint32_t WM_MACRO_KEY_EVENT = 0x926;         // from the recording hook: wParam 0 press, 1 release

}  // namespace norvale
