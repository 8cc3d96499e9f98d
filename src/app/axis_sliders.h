#pragma once
#include <cstdint>
#include <optional>

#include "settings/settings_record.h"

namespace norvale {

// The settings byte a released main-window slider stands for: X and Y
// sensitivity and the lift-off distance; none for other control ids.
std::optional<std::uint8_t Settings::*> SliderField(std::intptr_t controlId);

// WM_MARKER_CHANGED from a main-window slider: the live settings take the
// value at once; nothing reaches the mouse before Apply.
void StoreSliderValue(Settings& live, std::intptr_t controlId, std::uintptr_t value);

}  // namespace norvale
