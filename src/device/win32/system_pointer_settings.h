#pragma once
#include "device/pointer_settings.h"

namespace norvale {

// SystemParametersInfoW, notifying other windows of each change.
class SystemPointerSettings final : public PointerSettings {
public:
    bool SetMouse(const std::array<int, 3>& thresholdsAndAcceleration) override;
    bool SetMouseSpeed(unsigned speed) override;
    bool SetWheelScrollLines(unsigned lines) override;
    bool SetDoubleClickTime(unsigned milliseconds) override;
};

}  // namespace norvale
