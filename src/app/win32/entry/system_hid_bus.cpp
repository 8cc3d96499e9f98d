// The production program reaches the mouse through SetupAPI and hid.dll.
#include "device/hid_bus_factory.h"
#include "device/win32/system_hid_bus.h"

namespace norvale {

std::unique_ptr<HidBus> CreateHidBus() { return std::make_unique<SystemHidBus>(); }

}  // namespace norvale
