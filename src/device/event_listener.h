#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "device/device_link.h"
#include "device/event_report.h"

namespace norvale {

// The loop of the listener thread: it reads the mouse's event collection one
// report at a time and hands each DPI or macro event to `deliver`, which
// returns only when the main window has handled it. While the mouse is gone
// it waits on the link's read event, which discovery sets when the event
// collection opens again, so a replugged mouse is read without a restart.
class EventListener {
public:
    using Deliver = std::function<void(const DeviceEvent&)>;

    // The link's readEvent must exist for as long as the listener runs.
    EventListener(HidBus& bus, DeviceLink& link, Deliver deliver);

    // Turns until Stop.
    void Run();
    // One turn: waits for the mouse or a report and delivers it if it is an
    // event. Returns false once stopped.
    bool ListenOnce();
    // Ends Run from another thread, whether the listener waits for the mouse,
    // for a report, or is delivering one.
    void Stop();

private:
    HidBus& bus_;
    DeviceLink& link_;
    Deliver deliver_;
    std::vector<std::uint8_t> buffer_;
    std::atomic<bool> stopping_{false};
    std::atomic<HidHandle> reading_{kInvalidHidHandle};
};

}  // namespace norvale
