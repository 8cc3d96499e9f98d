#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace norvale {

// Codes of WM_DEVICE_NOTIFY beyond the mouse's own DPI (1 … 3) and macro (9)
// events: the hot-plug handler's verdicts.
inline constexpr std::uintptr_t kMouseDetectedCode = 14;
inline constexpr std::uintptr_t kMouseMissingCode = 15;

enum class DeviceQuery { ReadProfileIndex, ReadProfileImage };

// A tray balloon, shown through the tray record with flags 0x17 and the
// information icon.
inline constexpr unsigned kBalloonFlags = 0x17;
inline constexpr unsigned kBalloonInfoIcon = 1;
struct Balloon {
    std::wstring text;
    std::wstring_view title;
    unsigned timeoutMs = 0;
    friend bool operator==(const Balloon&, const Balloon&) = default;
};

struct DeviceNotificationResponse {
    std::vector<DeviceQuery> queries;  // sent before the balloon, in order
    std::optional<Balloon> balloon;
};

// WM_DEVICE_NOTIFY: a DPI stage switch names the stage's DPI as last loaded
// or applied (`saved`), a macro switch its number, the hot-plug codes whether
// the mouse was found. Unknown codes and values show nothing.
DeviceNotificationResponse RespondToDeviceNotification(std::uintptr_t code, std::intptr_t value,
                                                       const Settings& saved);

}  // namespace norvale
