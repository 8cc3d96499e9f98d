#include "device/device_link.h"

namespace norvale {

void CloseDeviceHandles(HidBus& bus, DeviceLink& link)
{
    if (link.commandHandle != kInvalidHidHandle) bus.Close(link.commandHandle);
    link.commandHandle = kInvalidHidHandle;
    const HidHandle eventHandle = link.eventHandle.exchange(kInvalidHidHandle);
    if (eventHandle != kInvalidHidHandle) bus.Close(eventHandle);
}

}  // namespace norvale
