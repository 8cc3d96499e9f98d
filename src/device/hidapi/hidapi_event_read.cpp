#include "device/hidapi/hidapi_event_read.h"

#include "device/hidapi/hidapi_reports.h"

namespace norvale {
namespace {

// How long one turn of the read waits before it looks for a cancel.
constexpr int kTurnMs = 50;

}  // namespace

HidapiEventRead::HidapiEventRead(const HidapiFunctions& hidapi, std::shared_ptr<hid_device> device, bool numbered,
                                 std::span<std::uint8_t> buffer, HidSignal& done, CallFailureLog& failures)
    : device_(std::move(device)),
      thread_([this, hidapi, numbered, buffer, &done, &failures] { Run(hidapi, numbered, buffer, done, failures); })
{
}

HidapiEventRead::~HidapiEventRead()
{
    Cancel();
    if (thread_.joinable()) thread_.join();
}

void HidapiEventRead::Run(const HidapiFunctions& hidapi, bool numbered, std::span<std::uint8_t> buffer,
                          HidSignal& done, CallFailureLog& failures)
{
    int count = 0;
    while (count == 0 && !cancelled_) count = ReadInputReport(hidapi, device_.get(), buffer, numbered, kTurnMs);
    if (count < 0)
        failures.Failed(L"hid_read_timeout", LibraryFailure(hidapi, device_.get()));
    else if (count > 0)
        failures.Succeeded(L"hid_read_timeout");
    {
        std::lock_guard lock(mutex_);
        done_ = true;
        failed_ = count < 0;
        transferred_ = count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    finished_.notify_all();
    done.Set();
}

std::size_t HidapiEventRead::Finish()
{
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return done_; });
    return transferred_;
}

bool HidapiEventRead::Failed()
{
    std::lock_guard lock(mutex_);
    return failed_;
}

}  // namespace norvale
