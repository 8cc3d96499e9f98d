#pragma once
#include <array>
#include <cstdint>

namespace norvale {

// The Windows pointer settings, as the system takes them. Each call returns
// false when the system refuses the value.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    // Two thresholds and the acceleration; changes the current logon only.
    virtual bool SetMouse(const std::array<int, 3>& thresholdsAndAcceleration) = 0;
    virtual bool SetMouseSpeed(unsigned speed) = 0;
    virtual bool SetWheelScrollLines(unsigned lines) = 0;
    // The one setting that is also written to the user profile.
    virtual bool SetDoubleClickTime(unsigned milliseconds) = 0;
};

// The user's choices as the settings record holds them.
struct PointerChoices {
    std::uint8_t pointerPrecision = 0;
    std::uint8_t pointerSpeed = 0;
    std::uint8_t wheelPageScroll = 0;
    std::uint8_t wheelLines = 0;
    std::uint8_t doubleClickLevel = 0;
};

inline constexpr unsigned kWheelPageScroll = 0xFFFFFFFF;

std::array<int, 3> MouseAccelerationFor(std::uint8_t pointerPrecision);
unsigned MouseSpeedFor(std::uint8_t pointerSpeed);
unsigned WheelScrollLinesFor(std::uint8_t wheelPageScroll, std::uint8_t wheelLines);
unsigned DoubleClickTimeFor(std::uint8_t doubleClickLevel);

// Pushes the four settings in order; a refusal is logged and the rest still
// applied. Each is pushed only while its fields hold values the pages or the
// files can set (precision 1 … 255, where any value but 1 is off; speed and
// double-click level 1 … 11; wheel page scroll 0 or 1, and with lines chosen
// 1 … 100 lines), otherwise a debug line names the field and the system
// keeps its own value.
void ApplyPointerSettings(PointerSettings& system, const PointerChoices& choices);

}  // namespace norvale
