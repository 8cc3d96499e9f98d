#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "device/call_failure_log.h"
#include "device/hid_bus.h"
#include "device/hidapi/hidapi_functions.h"
#include "device/io_worker.h"

namespace norvale {

class HidapiEventRead;

// The HID bus of hosts that reach the mouse through hidapi (hidraw on Linux,
// IOKit on macOS). It lists the mouse's collections, each under a name of
// its own; opening one for attributes only does not touch the device. Feature
// reports and writes run on the bus's I/O worker, bounded by their time-out,
// reads wait in hid_read_timeout, and event reads run on a thread each. A
// failed call writes a line naming it with hid_error's text.
class HidapiHidBus final : public HidBus {
public:
    explicit HidapiHidBus(const HidapiFunctions& hidapi, CallFailureLog::LineWriter writeFailure = DebugLine);
    ~HidapiHidBus() override;
    HidapiHidBus(const HidapiHidBus&) = delete;
    HidapiHidBus& operator=(const HidapiHidBus&) = delete;

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
    struct Collection {
        std::string path;  // hidapi's, shared by the collections of one interface
        HidAttributes attributes;
        std::uint16_t usagePage = 0;
        std::uint16_t usage = 0;
    };
    struct OpenCollection {
        Collection collection;
        std::shared_ptr<hid_device> device;  // null for an attribute-only open
        std::shared_ptr<HidapiEventRead> read;
        bool readFailed = false;
    };
    struct Target {
        std::shared_ptr<hid_device> device;
        bool numberedInput = false;
    };
    struct Library;
    // A blocking hidapi call on the worker's copy of the report; its count or -1.
    using DeviceCall = std::function<int(hid_device* device, std::span<std::uint8_t> report)>;

    Target TargetOf(HidHandle handle);
    int Exchange(const wchar_t* call, HidHandle handle, DeviceCall io, std::span<std::uint8_t> report,
                 std::uint32_t timeoutMs);
    // hid_send_feature_report or hid_write on a copy of the report.
    using SendFunction = int (*)(hid_device* device, const unsigned char* data, size_t length);
    bool Send(const wchar_t* call, SendFunction send, HidHandle handle, std::span<const std::uint8_t> report,
              std::uint32_t timeoutMs);

    const HidapiFunctions hidapi_;
    CallFailureLog failures_;
    // Ends the library once the bus and the last device it opened are gone.
    std::shared_ptr<Library> library_;
    IoWorker worker_;
    std::mutex mutex_;
    std::map<std::wstring, Collection> listed_;
    std::map<std::uintptr_t, OpenCollection> open_;
    std::uintptr_t nextHandle_ = 1;
};

}  // namespace norvale
