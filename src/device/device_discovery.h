#pragma once
#include "device/device_link.h"

namespace norvale {

// Finds and opens the mouse's event collection; 1 on success, else 0.
int OpenEventInterface(HidBus& bus, DeviceLink& link);
// Finds and opens the mouse's command collection and marks the mouse present;
// 1 on success, else 0.
int OpenCommandInterface(HidBus& bus, DeviceLink& link);

// Both passes as every caller runs them: the command pass only after the
// event pass succeeded. True when the mouse is detected.
bool DiscoverMouse(HidBus& bus, DeviceLink& link);

}  // namespace norvale
