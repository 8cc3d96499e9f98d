#pragma once
#include <windows.h>

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

// The message a relayed change is posted with; the window hands it to
// DeliverRelayedDeviceChange, which sends it WM_DEVICECHANGE in turn.
inline constexpr UINT kRelayedDeviceChange = WM_APP + 0x72;
LRESULT DeliverRelayedDeviceChange(HWND window, LPARAM relayed);

}  // namespace norvale
