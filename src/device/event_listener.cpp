#include "device/event_listener.h"

#include <span>

#include "platform/debug_output.h"

namespace norvale {

EventListener::EventListener(HidBus& bus, DeviceLink& link, Deliver deliver)
    : bus_(bus), link_(link), deliver_(std::move(deliver))
{
}

void EventListener::Run()
{
    while (ListenOnce()) {
    }
}

bool EventListener::ListenOnce()
{
    HidSignal& readEvent = *link_.readEvent;
    readEvent.Reset();
    if (stopping_) return false;

    const HidHandle handle = link_.eventHandle;
    if (link_.devicePresent != 1 || handle == kInvalidHidHandle) {
        readEvent.Wait();
        return !stopping_;
    }

    buffer_.assign(link_.eventInputReportLength, 0);
    reading_ = handle;
    // Stop may have come between the check above and the read taking its handle.
    if (stopping_) return false;
    if (!bus_.StartEventRead(handle, buffer_, readEvent)) {
        reading_ = kInvalidHidHandle;
        // The handle went away under the read; wait for discovery to open a new one.
        readEvent.Wait();
        return !stopping_;
    }
    // A read that started just after Stop looked for one to cancel.
    if (stopping_) bus_.CancelEventRead(handle);
    readEvent.Wait();
    const std::size_t transferred = bus_.FinishEventRead(handle);
    reading_ = kInvalidHidHandle;
    if (stopping_) return false;
    if (link_.devicePresent == 0 || transferred == 0) return true;

    const std::optional<DeviceEvent> event = ParseEventReport(std::span(buffer_).first(transferred));
    if (!event) return true;
    deliver_(*event);
    DebugLine(ListenerDebugLine(*event));
    return !stopping_;
}

void EventListener::Stop()
{
    stopping_ = true;
    if (link_.readEvent) link_.readEvent->Set();
    const HidHandle reading = reading_;
    if (reading != kInvalidHidHandle) bus_.CancelEventRead(reading);
}

}  // namespace norvale
