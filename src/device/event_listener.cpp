#include "device/event_listener.h"

#include <algorithm>
#include <span>

#include "platform/debug_output.h"

namespace norvale {
namespace {
// A report of the event collection is a few bytes; the buffer never shrinks
// below this so that a code and a value always fit.
constexpr std::size_t kMinimumBuffer = 8;
}  // namespace

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

    const std::size_t length = std::max<std::size_t>(link_.eventInputReportLength, kMinimumBuffer);
    buffer_.assign(length, 0);
    reading_ = handle;
    // Stop may have come between the check above and the read taking its handle.
    if (stopping_) return false;
    if (!bus_.StartEventRead(handle, std::span(buffer_).first(link_.eventInputReportLength), readEvent)) {
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
