#pragma once
#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

#include "emulator/emulated_hid_device.h"

namespace norvale {

// A HID bus in memory: lists the collections of its devices in the order they
// were attached and routes each handle's reports to its device. Handles of an
// unplugged device fail at once, as the system's do. A device must not be
// plugged, unplugged or pressed once its bus is gone.
class EmulatedHidBus final : public HidBus, private EmulatedBusPort {
public:
    EmulatedHidBus() = default;
    EmulatedHidBus(const EmulatedHidBus&) = delete;
    EmulatedHidBus& operator=(const EmulatedHidBus&) = delete;

    void Attach(EmulatedHidDevice& device);

    bool IsOpen(HidHandle handle) const;
    std::size_t OpenHandleCount() const;
    // Makes the interface list unavailable, as a failing system call would.
    void SetInterfaceListAvailable(bool available);

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
    struct OpenCollection {
        EmulatedHidDevice* device = nullptr;
        std::size_t collection = 0;
        unsigned connection = 0;
        HidAccess access = HidAccess::None;
        HidOpenMode mode = HidOpenMode::Synchronous;
        std::optional<PendingRead> read;
    };
    struct Target {
        EmulatedHidDevice* device;
        std::size_t collection;
    };

    void InputReportsWaiting() override;
    void Plugged(const std::vector<EmulatedCollection>& collections) override;
    void Unplugged(const std::vector<EmulatedCollection>& collections) override;

    std::vector<EmulatedCollection> ListedCollections(std::vector<Target>* targets) const;
    // The live collection behind a handle that grants `access`, if any.
    std::optional<Target> Live(HidHandle handle, HidAccess access) const;
    std::optional<EmulatedCollection> Describe(HidHandle handle) const;
    void FillPendingReads();
    void FinishRead(PendingRead& read, std::size_t transferred);
    void Announce(DeviceChange change, const std::vector<EmulatedCollection>& collections);

    std::vector<EmulatedHidDevice*> devices_;
    mutable std::mutex mutex_;
    std::condition_variable readFinished_;
    std::map<std::uintptr_t, OpenCollection> handles_;
    std::uintptr_t nextHandle_ = 0x100;
    bool interfaceListAvailable_ = true;
    DeviceChangeHandler changeHandler_;
};

}  // namespace norvale
