#pragma once
#include <memory>

#include "device/hid_bus.h"

namespace norvale {

// The bus the program talks to the mouse through; each program links exactly
// one definition (the system's HID bus, or the emulated mouse's client).
std::unique_ptr<HidBus> CreateHidBus();

}  // namespace norvale
