#include "emulator/emulated_hid_bus.h"

#include <algorithm>

#include "device/listed_interface_set.h"
#include "device/thread_signal.h"

namespace norvale {
namespace {

bool Grants(HidAccess granted, HidAccess needed)
{
    if (needed == HidAccess::None) return true;
    if (needed == HidAccess::Read) return granted != HidAccess::None;
    return granted == HidAccess::ReadWrite;
}

std::uintptr_t Key(HidHandle handle) { return static_cast<std::uintptr_t>(handle); }

}  // namespace

void EmulatedHidBus::Attach(EmulatedHidDevice& device)
{
    devices_.push_back(&device);
    device.ConnectTo(this);
}

bool EmulatedHidBus::IsOpen(HidHandle handle) const
{
    std::lock_guard lock(mutex_);
    return handles_.count(Key(handle)) != 0;
}

std::size_t EmulatedHidBus::OpenHandleCount() const
{
    std::lock_guard lock(mutex_);
    return handles_.size();
}

void EmulatedHidBus::SetInterfaceListAvailable(bool available)
{
    std::lock_guard lock(mutex_);
    interfaceListAvailable_ = available;
}

std::vector<EmulatedCollection> EmulatedHidBus::ListedCollections(std::vector<Target>* targets) const
{
    std::vector<EmulatedCollection> listed;
    for (EmulatedHidDevice* device : devices_) {
        const std::vector<EmulatedCollection> collections = device->Collections();
        for (std::size_t i = 0; i < collections.size(); ++i) {
            listed.push_back(collections[i]);
            if (targets) targets->push_back({device, i});
        }
    }
    return listed;
}

std::unique_ptr<HidInterfaceSet> EmulatedHidBus::PresentInterfaces()
{
    {
        std::lock_guard lock(mutex_);
        if (!interfaceListAvailable_) return nullptr;
    }
    std::vector<std::wstring> paths;
    for (const EmulatedCollection& collection : ListedCollections(nullptr)) paths.push_back(collection.path);
    return std::make_unique<ListedInterfaceSet>(std::move(paths));
}

HidOpenResult EmulatedHidBus::Open(const std::wstring& path, HidAccess access, HidOpenMode mode)
{
    std::vector<Target> targets;
    const std::vector<EmulatedCollection> listed = ListedCollections(&targets);
    const auto found = std::find_if(listed.begin(), listed.end(),
                                    [&](const EmulatedCollection& c) { return c.path == path; });
    if (found == listed.end()) return {kInvalidHidHandle, HidOpenError::Other};
    if (found->openError != HidOpenError::None) return {kInvalidHidHandle, found->openError};

    const Target target = targets[found - listed.begin()];
    std::lock_guard lock(mutex_);
    const std::uintptr_t key = nextHandle_;
    nextHandle_ += 4;
    handles_[key] = OpenCollection{target.device, target.collection, target.device->Connection(), access, mode, {}};
    return {HidHandle{key}, HidOpenError::None};
}

void EmulatedHidBus::Close(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto found = handles_.find(Key(handle));
    if (found == handles_.end()) return;
    if (found->second.read) FinishRead(*found->second.read, 0);
    handles_.erase(found);
}

std::optional<EmulatedHidBus::Target> EmulatedHidBus::Live(HidHandle handle, HidAccess access) const
{
    EmulatedHidDevice* device = nullptr;
    std::size_t collection = 0;
    unsigned connection = 0;
    {
        std::lock_guard lock(mutex_);
        const auto found = handles_.find(Key(handle));
        if (found == handles_.end() || !Grants(found->second.access, access)) return std::nullopt;
        device = found->second.device;
        collection = found->second.collection;
        connection = found->second.connection;
    }
    if (device->Connection() != connection || device->Collections().empty()) return std::nullopt;
    return Target{device, collection};
}

std::optional<EmulatedCollection> EmulatedHidBus::Describe(HidHandle handle) const
{
    const std::optional<Target> target = Live(handle, HidAccess::None);
    if (!target) return std::nullopt;
    return target->device->Collections()[target->collection];
}

bool EmulatedHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    const std::optional<EmulatedCollection> collection = Describe(handle);
    if (!collection) return false;
    attributes = collection->attributes;
    return true;
}

HidCapsQuery EmulatedHidBus::GetCaps(HidHandle handle, HidCaps& caps)
{
    const std::optional<EmulatedCollection> collection = Describe(handle);
    if (!collection) return HidCapsQuery::NoPreparsedData;
    if (collection->capsQuery == HidCapsQuery::Ok) caps = collection->caps;
    return collection->capsQuery;
}

bool EmulatedHidBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t)
{
    const std::optional<Target> target = Live(handle, HidAccess::ReadWrite);
    return target && target->device->SetFeature(target->collection, report);
}

bool EmulatedHidBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const std::optional<Target> target = Live(handle, HidAccess::Read);
    return target && target->device->GetFeature(target->collection, report, timeoutMs);
}

bool EmulatedHidBus::Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t)
{
    const std::optional<Target> target = Live(handle, HidAccess::ReadWrite);
    return target && target->device->Write(target->collection, report);
}

std::size_t EmulatedHidBus::Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const std::optional<Target> target = Live(handle, HidAccess::Read);
    return target ? target->device->Read(target->collection, report, timeoutMs) : 0;
}

std::unique_ptr<HidSignal> EmulatedHidBus::CreateSignal() { return std::make_unique<ThreadSignal>(); }

bool EmulatedHidBus::StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done)
{
    if (!Live(handle, HidAccess::Read)) return false;
    {
        std::lock_guard lock(mutex_);
        const auto found = handles_.find(Key(handle));
        if (found == handles_.end() || found->second.mode != HidOpenMode::Overlapped || found->second.read)
            return false;
        found->second.read = PendingRead{buffer, &done, false, 0};
    }
    FillPendingReads();
    return true;
}

std::size_t EmulatedHidBus::FinishEventRead(HidHandle handle)
{
    std::unique_lock lock(mutex_);
    const auto finished = [&] {
        const auto found = handles_.find(Key(handle));
        return found == handles_.end() || !found->second.read || found->second.read->finished;
    };
    readFinished_.wait(lock, finished);
    const auto found = handles_.find(Key(handle));
    if (found == handles_.end() || !found->second.read) return 0;
    const std::size_t transferred = found->second.read->transferred;
    found->second.read.reset();
    return transferred;
}

void EmulatedHidBus::CancelEventRead(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto found = handles_.find(Key(handle));
    if (found != handles_.end() && found->second.read && !found->second.read->finished)
        FinishRead(*found->second.read, 0);
}

void EmulatedHidBus::WatchDeviceChanges(DeviceChangeHandler handler)
{
    std::lock_guard lock(mutex_);
    changeHandler_ = std::move(handler);
}

void EmulatedHidBus::FinishRead(PendingRead& read, std::size_t transferred)
{
    read.finished = true;
    read.transferred = transferred;
    read.done->Set();
    readFinished_.notify_all();
}

void EmulatedHidBus::FillPendingReads()
{
    std::lock_guard lock(mutex_);
    for (auto& [key, open] : handles_) {
        if (!open.read || open.read->finished) continue;
        if (open.device->Connection() != open.connection) continue;
        const std::optional<std::vector<std::uint8_t>> report = open.device->TakeEventReport(open.collection);
        if (!report) continue;
        const std::size_t count = std::min(report->size(), open.read->buffer.size());
        std::copy_n(report->begin(), count, open.read->buffer.begin());
        FinishRead(*open.read, count);
    }
}

void EmulatedHidBus::InputReportsWaiting() { FillPendingReads(); }

void EmulatedHidBus::Plugged(const std::vector<EmulatedCollection>& collections)
{
    Announce(DeviceChange::Arrival, collections);
}

void EmulatedHidBus::Unplugged(const std::vector<EmulatedCollection>& collections)
{
    {
        std::lock_guard lock(mutex_);
        for (auto& [key, open] : handles_) {
            const bool stale = open.device->Collections().empty() || open.device->Connection() != open.connection;
            if (stale && open.read && !open.read->finished) FinishRead(*open.read, 0);
        }
    }
    Announce(DeviceChange::Removal, collections);
}

void EmulatedHidBus::Announce(DeviceChange change, const std::vector<EmulatedCollection>& collections)
{
    DeviceChangeHandler handler;
    {
        std::lock_guard lock(mutex_);
        handler = changeHandler_;
    }
    if (!handler) return;
    for (const EmulatedCollection& collection : collections) handler(change, collection.path);
}

}  // namespace norvale
