#pragma once
#include <gtest/gtest.h>

#include "device/device_link.h"
#include "emulator/emulated_hid_bus.h"
#include "emulator/emulated_mouse.h"
#include "support/debug_recorder.h"

namespace norvale {

// The emulated mouse on its own bus, in virtual time, with the debug lines
// recorded; `device` is what the code under test talks through.
class MouseBench : public ::testing::Test {
protected:
    MouseBench() { bus.Attach(mouse); }

    void Discover() { ASSERT_TRUE(DiscoverMouseOnBench()); }
    bool DiscoverMouseOnBench();

    VirtualClock clock;
    EmulatedMouse mouse{clock};
    EmulatedHidBus bus;
    DeviceLink link;
    DeviceContext device{bus, link, clock};
    testing::DebugRecorder debug;
};

}  // namespace norvale
