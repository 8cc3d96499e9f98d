#pragma once
#include <cstdint>
#include <string_view>

#include "app/main_window_action.h"

namespace norvale {

inline constexpr std::uintptr_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr std::uintptr_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
inline constexpr std::uint32_t kDeviceInterfaceBroadcast = 5;    // DBT_DEVTYP_DEVICEINTERFACE

inline constexpr std::wstring_view kMouseMissingDebugLine = L"The system did not detect the gaming mouse.";

enum class HotPlugEvent { Ignored, Arrival, Removal };

// Which WM_DEVICECHANGE notices concern the mouse: arrivals and completed
// removals of HID interfaces whose name carries its vendor and product id,
// in one of the two spellings the system uses for that event.
HotPlugEvent ClassifyDeviceChange(std::uintptr_t event, std::uint32_t broadcastType,
                                  std::wstring_view interfaceName);

// What follows once both discovery passes have run again for an arrival or
// removal: `mouseFound` is whether both collections opened.
MainActions HotPlugActions(HotPlugEvent change, bool mouseFound);

}  // namespace norvale
