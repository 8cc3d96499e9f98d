#include "app/axis_sliders.h"

#include "app/main_window_geometry.h"

namespace norvale {

std::optional<std::uint8_t Settings::*> SliderField(std::intptr_t controlId)
{
    switch (controlId) {
    case kSensitivityXSliderId: return &Settings::sensitivityX;
    case kSensitivityYSliderId: return &Settings::sensitivityY;
    case kLiftOffSliderId: return &Settings::liftOffDistance;
    default: return std::nullopt;
    }
}

void StoreSliderValue(Settings& live, std::intptr_t controlId, std::uintptr_t value)
{
    if (const auto field = SliderField(controlId)) live.*(*field) = static_cast<std::uint8_t>(value);
}

}  // namespace norvale
