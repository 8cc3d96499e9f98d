#pragma once
#include <atomic>
#include <cstdint>
#include <string>

#include "device/hid_bus.h"
#include "platform/clock.h"

namespace norvale {

// The process-wide state of the link to the mouse. The user-interface thread
// writes it; the listener thread reads the atomic fields without locks.
struct DeviceLink {
    HidHandle commandHandle = kInvalidHidHandle;
    std::atomic<HidHandle> eventHandle{kInvalidHidHandle};
    std::uint16_t featureReportLength = 0;
    std::uint16_t commandInputReportLength = 0;
    std::atomic<std::uint16_t> eventInputReportLength{0};
    std::atomic<std::int32_t> devicePresent{0};
    std::wstring devicePath;
    // Created by the main window; null until then.
    HidSignal* readEvent = nullptr;
};

// Everything an exchange with the mouse needs: where it goes, over what, and
// the clock that paces it.
struct DeviceContext {
    HidBus& bus;
    DeviceLink& link;
    Clock& clock;
};

// Closes both collections when the main window goes away.
void CloseDeviceHandles(HidBus& bus, DeviceLink& link);

}  // namespace norvale
