#pragma once
#include <functional>
#include <memory>
#include <ostream>

#include "device/hid_bus.h"
#include "platform/clock.h"

namespace norvale::tools {

// What a device command reaches the mouse through: a bus, and the clock that
// paces the exchanges on it.
class MouseAccess {
public:
    virtual ~MouseAccess() = default;
    virtual HidBus& Bus() = 0;
    virtual Clock& Pacing() = 0;
};

// Makes the access to the mouse plugged into this computer; the bus writes
// its failure lines to `err`. Null when this build has no way to reach one.
using MouseAccessFactory = std::function<std::unique_ptr<MouseAccess>(std::ostream& err)>;

// The system's access: hidapi where the build found it.
std::unique_ptr<MouseAccess> OpenSystemMouseAccess(std::ostream& err);

// Tests put a stand-in in the system's place; an empty factory brings it back.
void SetMouseAccessFactory(MouseAccessFactory factory);
std::unique_ptr<MouseAccess> OpenMouseAccess(std::ostream& err);

}  // namespace norvale::tools
