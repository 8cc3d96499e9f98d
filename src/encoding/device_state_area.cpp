#include "encoding/device_state_area.h"

namespace norvale {

DeviceStateArea& TheDeviceStateArea()
{
    static DeviceStateArea area;
    return area;
}

}  // namespace norvale
