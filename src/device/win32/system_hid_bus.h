#pragma once
#include <map>
#include <memory>
#include <mutex>

#include "device/call_failure_log.h"
#include "device/hid_bus.h"
#include "device/io_worker.h"

namespace norvale {

// The system's HID bus: SetupAPI lists the interfaces, hid.dll and the file
// functions talk to them. Reports on synchronous handles run on the bus's
// I/O worker, bounded by their time-out; event reads use overlapped I/O on
// the caller's signal. A failed system call writes a debug line naming it.
class SystemHidBus final : public HidBus {
public:
    SystemHidBus();
    ~SystemHidBus() override;

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    HidOpenResult Open(const std::wstring& path, HidAccess access, HidOpenMode mode) override;
    void Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override;
    HidCapsQuery GetCaps(HidHandle handle, HidCaps& caps) override;
    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs) override;
    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    bool Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs) override;
    std::size_t Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    std::unique_ptr<HidSignal> CreateSignal() override;
    bool StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done) override;
    std::size_t FinishEventRead(HidHandle handle) override;
    void CancelEventRead(HidHandle handle) override;

private:
    struct EventRead;
    std::shared_ptr<EventRead> PendingRead(HidHandle handle);
    IoResult Exchange(const wchar_t* call, BlockingIo io, std::span<std::uint8_t> report, std::uint32_t timeoutMs);

    std::mutex mutex_;
    std::map<HidHandle, std::shared_ptr<EventRead>> eventReads_;
    CallFailureLog failures_;
    IoWorker worker_;
};

}  // namespace norvale
