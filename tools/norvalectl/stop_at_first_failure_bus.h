#pragma once
#include <atomic>

#include "device/hid_bus.h"

namespace norvale::tools {

// Passes every call to the bus beneath until an exchange with the mouse
// fails; from then on every exchange fails at once. The device code does not
// look at the answers, so this keeps a mouse that stopped answering from
// costing one time-out per report, and tells the command that it did.
class StopAtFirstFailureBus final : public HidBus {
public:
    explicit StopAtFirstFailureBus(HidBus& bus) : bus_(bus) {}

    bool Failed() const { return failed_; }

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override { return bus_.PresentInterfaces(); }
    HidOpenResult Open(const std::wstring& path, HidAccess access, HidOpenMode mode) override
    {
        return bus_.Open(path, access, mode);
    }
    void Close(HidHandle handle) override { bus_.Close(handle); }
    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override
    {
        return bus_.GetAttributes(handle, attributes);
    }
    HidCapsQuery GetCaps(HidHandle handle, HidCaps& caps) override { return bus_.GetCaps(handle, caps); }
    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs) override;
    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    bool Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs) override;
    std::size_t Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    std::unique_ptr<HidSignal> CreateSignal() override { return bus_.CreateSignal(); }
    bool StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done) override
    {
        return bus_.StartEventRead(handle, buffer, done);
    }
    std::size_t FinishEventRead(HidHandle handle) override { return bus_.FinishEventRead(handle); }
    void CancelEventRead(HidHandle handle) override { bus_.CancelEventRead(handle); }

private:
    template <typename Result>
    Result Noted(Result result)
    {
        if (!result) failed_ = true;
        return result;
    }

    HidBus& bus_;
    std::atomic<bool> failed_{false};
};

}  // namespace norvale::tools
