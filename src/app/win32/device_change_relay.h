#pragma once
#include <windows.h>

#include <optional>

#include "device/hid_bus.h"

namespace norvale {

// Asks the system to tell the window about HID interfaces that arrive or go
// away; null when it refuses.
HDEVNOTIFY RegisterForHidNotifications(HWND window);

// A bus that stands in for the system's (the emulated mouse) announces its
// device changes itself, on a thread of its own. They are posted to the
// window and reach it as the very WM_DEVICECHANGE the system sends, with a
// device-interface broadcast that carries the interface name, so one
// handler serves both. The system's bus announces nothing here.
void RelayBusDeviceChanges(HidBus& bus, HWND window);
// Stops the relay before the window goes away.
void EndBusDeviceChangeRelay(HidBus& bus);

// The window's part of the relay: turns a posted change into WM_DEVICECHANGE
// sent to itself; nothing for any other message.
std::optional<LRESULT> DeliverRelayedDeviceChange(HWND window, UINT message, LPARAM lParam);

}  // namespace norvale
