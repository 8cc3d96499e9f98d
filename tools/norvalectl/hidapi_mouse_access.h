#pragma once
#include <ostream>

#include "device/hidapi/hidapi_hid_bus.h"
#include "mouse_access.h"

namespace norvale::tools {

// The mouse through hidapi, paced by `pacing`; the bus's failure lines go to err.
class HidapiMouseAccess final : public MouseAccess {
public:
    HidapiMouseAccess(const HidapiFunctions& hidapi, Clock& pacing, std::ostream& err);

    HidBus& Bus() override { return bus_; }
    Clock& Pacing() override { return pacing_; }

private:
    Clock& pacing_;
    HidapiHidBus bus_;
};

}  // namespace norvale::tools
