#pragma once
#include "emulator/emulated_hid_bus.h"
#include "emulator/emulated_mouse.h"
#include "mouse_access.h"

namespace norvale::tools {

// The emulated mouse in this process, in virtual time, for --emulated.
class EmulatedMouseAccess final : public MouseAccess {
public:
    EmulatedMouseAccess() { bus_.Attach(mouse_); }

    HidBus& Bus() override { return bus_; }
    Clock& Pacing() override { return clock_; }
    EmulatedMouse& Mouse() { return mouse_; }

private:
    VirtualClock clock_;
    EmulatedMouse mouse_{clock_};
    EmulatedHidBus bus_;
};

}  // namespace norvale::tools
