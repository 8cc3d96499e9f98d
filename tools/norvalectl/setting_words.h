#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace norvale::tools {

// The settings in the words "show" prints and "set" takes, so that what one
// prints the other accepts.

// Stages store their resolution in steps of 50 DPI; a typed value is 50 …
// 10800 DPI, as the DPI page takes it.
inline constexpr int kDpiStep = 50;
inline constexpr int kLowestTypedDpi = 50;
inline constexpr int kHighestDpi = 10800;

// "#RRGGBB"; the leading '#' may be left out when parsing.
std::string ColourText(Rgb colour);
std::optional<Rgb> ParseColour(std::string_view text);

// Effects 1 … 4 of the lighting page.
inline constexpr std::string_view kLightingEffectWords[] = {"standard", "respiration", "neon", "finger-tapping"};
std::string LightingEffectName(int effect);
// The field of the slider that sets an effect's brightness or period; none
// for finger tapping.
using SettingsByte = std::uint8_t Settings::*;
std::optional<SettingsByte> LightingSpeedField(int effect);

// The rates of the polling-rate page, stored as the divisor of 1000.
inline constexpr int kPollingRates[] = {125, 250, 500, 1000};
std::string PollingRateText(std::uint8_t reportRate);

// "on" and "off".
std::optional<bool> ParseSwitch(std::string_view text);

}  // namespace norvale::tools
