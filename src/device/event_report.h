#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace norvale {

// What the mouse reports on its event interface when its own DPI or macro
// buttons are pressed: bytes 0 and 1 are 06 07, then the code and value
// that WM_DEVICE_NOTIFY carries.
struct DeviceEvent {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    friend bool operator==(const DeviceEvent&, const DeviceEvent&) = default;
};

// The event in the bytes one read transferred; none for any other report,
// including one too short to hold a code and a value.
std::optional<DeviceEvent> ParseEventReport(std::span<const std::uint8_t> received);

// The listener's line after the window has handled an event.
std::wstring ListenerDebugLine(const DeviceEvent& event);

}  // namespace norvale
