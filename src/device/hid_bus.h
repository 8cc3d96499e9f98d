#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace norvale {

// An open HID collection, valued like the system's file handles so that the
// device link can hold it as plain data and test it against the invalid value.
enum class HidHandle : std::uintptr_t {};
inline constexpr HidHandle kInvalidHidHandle{~std::uintptr_t{0}};

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
};

struct HidCaps {
    std::uint16_t usage = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

enum class HidCapsQuery { Ok, NoPreparsedData, InvalidPreparsedData };

// Access rights of an open: none is the attribute-only probe.
enum class HidAccess { None, Read, ReadWrite };
enum class HidOpenMode { Synchronous, Overlapped };
enum class HidOpenError { None, AccessDenied, Other };

struct HidOpenResult {
    HidHandle handle = kInvalidHidHandle;
    HidOpenError error = HidOpenError::Other;
};

enum class InterfaceLookup { Found, NoMoreItems, DetailFailed };

// The present HID interfaces, walked by member index; released on destruction.
class HidInterfaceSet {
public:
    virtual ~HidInterfaceSet() = default;
    virtual InterfaceLookup Interface(std::uint32_t memberIndex, std::wstring& path) = 0;
};

// A manual-reset event: discovery sets it when the event collection opens,
// and an event read sets it when it completes.
class HidSignal {
public:
    virtual ~HidSignal() = default;
    virtual void Set() = 0;
    virtual void Reset() = 0;
    virtual void Wait() = 0;
};

enum class DeviceChange { Arrival, Removal };
// Receives the interface name of each collection that arrives or goes away.
using DeviceChangeHandler = std::function<void(DeviceChange, const std::wstring& interfaceName)>;

// The HID primitives the device link is written against; one backend per
// platform (SetupAPI and hid.dll on Windows) and the emulated bus for tests.
// Every exchange with a device is bounded by its time-out, after which it
// reads as failed.
class HidBus {
public:
    virtual ~HidBus() = default;

    // Null when the system cannot list the interfaces.
    virtual std::unique_ptr<HidInterfaceSet> PresentInterfaces() = 0;
    virtual HidOpenResult Open(const std::wstring& path, HidAccess access, HidOpenMode mode) = 0;
    virtual void Close(HidHandle handle) = 0;
    virtual bool GetAttributes(HidHandle handle, HidAttributes& attributes) = 0;
    virtual HidCapsQuery GetCaps(HidHandle handle, HidCaps& caps) = 0;

    virtual bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report,
                            std::uint32_t timeoutMs) = 0;
    virtual bool GetFeature(HidHandle handle, std::span<std::uint8_t> report,
                            std::uint32_t timeoutMs) = 0;
    virtual bool Write(HidHandle handle, std::span<const std::uint8_t> report,
                       std::uint32_t timeoutMs) = 0;
    // Returns the number of bytes read, 0 on failure or time-out.
    virtual std::size_t Read(HidHandle handle, std::span<std::uint8_t> report,
                             std::uint32_t timeoutMs) = 0;

    virtual std::unique_ptr<HidSignal> CreateSignal() = 0;
    // Starts reading one input report from an overlapped handle; `done` is set
    // when the read completes, fails or is cancelled, but not when it cannot
    // start (false). The buffer must outlive the read.
    virtual bool StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done) = 0;
    // Waits for the read started on the handle; the bytes it transferred, 0 if it failed.
    virtual std::size_t FinishEventRead(HidHandle handle) = 0;
    virtual void CancelEventRead(HidHandle handle) = 0;

    // The system's own bus announces device changes to windows by itself;
    // buses that stand in for it call the handler instead.
    virtual void WatchDeviceChanges(DeviceChangeHandler handler) { (void)handler; }
};

}  // namespace norvale
