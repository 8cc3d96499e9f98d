#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "device/call_failure_log.h"
#include "device/hid_bus.h"
#include "device/hidapi/hidapi_functions.h"

namespace norvale {

// One read of the event collection on a thread of its own, as hidapi has no
// overlapped reads: it waits for a report in short turns, so that a cancel
// ends it soon, and sets `done` when a report came, the read failed or it
// was cancelled. The buffer and the signal must outlive it. One thread may
// wait for it while another cancels it.
class HidapiEventRead {
public:
    // Throws std::system_error when no thread can be started.
    HidapiEventRead(const HidapiFunctions& hidapi, std::shared_ptr<hid_device> device, bool numbered,
                    std::span<std::uint8_t> buffer, HidSignal& done, CallFailureLog& failures);
    ~HidapiEventRead();
    HidapiEventRead(const HidapiEventRead&) = delete;
    HidapiEventRead& operator=(const HidapiEventRead&) = delete;

    void Cancel() { cancelled_ = true; }
    // Waits for the read; the bytes it transferred, 0 if it failed or was cancelled.
    std::size_t Finish();
    // After Finish: the device failed the read, as an unplugged one does.
    bool Failed();

private:
    void Run(const HidapiFunctions& hidapi, bool numbered, std::span<std::uint8_t> buffer, HidSignal& done,
             CallFailureLog& failures);

    std::shared_ptr<hid_device> device_;
    std::atomic<bool> cancelled_{false};
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::size_t transferred_ = 0;
    bool failed_ = false;
    std::thread thread_;
};

}  // namespace norvale
