#pragma once
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "command.h"
#include "device/device_link.h"
#include "emulated_mouse_access.h"
#include "mouse_access.h"
#include "stop_at_first_failure_bus.h"

namespace norvale::tools {

// The mouse as one device command uses it: found through the access, both
// collections open until the session ends, every exchange after the first
// that fails failing at once.
class DeviceSession {
public:
    explicit DeviceSession(MouseAccess& access);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    bool Found() const { return found_; }
    bool MouseFailed() const { return bus_.Failed(); }
    DeviceContext Context() { return {bus_, link_, clock_}; }
    HidBus& Bus() { return bus_; }
    DeviceLink& Link() { return link_; }

private:
    StopAtFirstFailureBus bus_;
    Clock& clock_;
    DeviceLink link_;
    bool found_ = false;
};

// The usage of a command given bad options, and exit code 2.
int BadUsage(const Command& command, std::ostream& err);

// The options of a command that takes only [--emulated]: whether it was
// given; none for anything else.
std::optional<bool> ParseEmulatedOnly(Arguments arguments);

// The access a command runs on: the emulated mouse's for --emulated, which
// the command may also drive, else the system's. Get() is null, with the
// reason on err, when there is none.
struct ChosenAccess {
    std::unique_ptr<EmulatedMouseAccess> emulated;
    std::unique_ptr<MouseAccess> system;
    MouseAccess* Get() const { return emulated ? emulated.get() : system.get(); }
};
ChosenAccess ChooseMouseAccess(bool emulated, std::ostream& err);

// The session of a device command on the chosen access; null, with the
// reason on err, when there is no mouse.
std::unique_ptr<DeviceSession> OpenDeviceSession(const ChosenAccess& access, std::string_view command,
                                                 std::ostream& err);

// The messages, and exit code 1, of a mouse that is not there or stopped answering.
int NoMouseFound(std::string_view command, std::ostream& err);
int MouseStoppedAnswering(std::string_view command, std::string_view consequence, std::ostream& err);

}  // namespace norvale::tools
