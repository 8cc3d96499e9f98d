#pragma once
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_bus.h"

namespace norvale {

// Carries one request line to the emulator's HID channel and brings back
// its response line; empty when the emulator cannot be reached.
class RemoteChannel {
public:
    virtual ~RemoteChannel() = default;
    virtual std::string Exchange(const std::string& request) = 0;
};

// A HID bus whose devices live in the emulator process. Requests go through
// the channel; completed event reads and device changes come back through
// Deliver, from whichever thread listens to the watch channel.
class RemoteHidBus : public HidBus {
public:
    explicit RemoteHidBus(std::unique_ptr<RemoteChannel> channel);

    // One push line of the watch channel.
    void Deliver(std::string_view line);
    // The watch channel broke: no pending read will ever be answered.
    void ConnectionLost();

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
    void WatchDeviceChanges(DeviceChangeHandler handler) override;

private:
    struct PendingRead {
        std::span<std::uint8_t> buffer;
        HidSignal* done = nullptr;
        bool finished = false;
        std::size_t transferred = 0;
    };

    std::string Request(const std::string& request);
    std::optional<std::vector<std::uint8_t>> ReplyBytes(const std::string& request);
    void FinishPending(HidHandle handle, std::span<const std::uint8_t> bytes);

    std::unique_ptr<RemoteChannel> channel_;
    std::mutex mutex_;
    std::condition_variable readFinished_;
    std::map<HidHandle, PendingRead> reads_;
    DeviceChangeHandler changeHandler_;
};

}  // namespace norvale
