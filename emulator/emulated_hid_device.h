#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/hid_bus.h"

namespace norvale {

// One top-level collection as the emulated bus lists it.
struct EmulatedCollection {
    std::wstring path;
    HidAttributes attributes;
    HidCaps caps;
    // AccessDenied for collections the system holds, such as its own mouse.
    HidOpenError openError = HidOpenError::None;
    HidCapsQuery capsQuery = HidCapsQuery::Ok;
};

// What a device tells the bus it sits on.
class EmulatedBusPort {
public:
    virtual ~EmulatedBusPort() = default;
    virtual void InputReportsWaiting() = 0;
    virtual void Plugged(const std::vector<EmulatedCollection>& collections) = 0;
    virtual void Unplugged(const std::vector<EmulatedCollection>& collections) = 0;
};

// A device on the emulated bus. Collections are addressed by their index in
// Collections(); a device never calls its port while holding its own lock.
class EmulatedHidDevice {
public:
    virtual ~EmulatedHidDevice() = default;
    virtual void ConnectTo(EmulatedBusPort* port) = 0;
    // Empty while unplugged.
    virtual std::vector<EmulatedCollection> Collections() const = 0;
    // Changes at every plug-in, so handles from an earlier connection go stale.
    virtual unsigned Connection() const = 0;

    virtual bool SetFeature(std::size_t collection, std::span<const std::uint8_t> report) = 0;
    virtual bool GetFeature(std::size_t collection, std::span<std::uint8_t> report, std::uint32_t timeoutMs) = 0;
    virtual bool Write(std::size_t collection, std::span<const std::uint8_t> report) = 0;
    virtual std::size_t Read(std::size_t collection, std::span<std::uint8_t> report, std::uint32_t timeoutMs) = 0;
    // The next unsolicited input report of the collection, if one waits.
    virtual std::optional<std::vector<std::uint8_t>> TakeEventReport(std::size_t collection) = 0;
};

}  // namespace norvale
