#include "device/hidapi/hidapi_hid_bus.h"

#include <algorithm>
#include <climits>
#include <system_error>
#include <vector>

#include "device/device_identity.h"
#include "device/hex_text.h"
#include "device/hidapi/hidapi_event_read.h"
#include "device/hidapi/hidapi_reports.h"
#include "device/listed_interface_set.h"
#include "device/thread_signal.h"

namespace norvale {
namespace {

// hidapi names the interface, so the collections of one interface share its
// path; the usage tells them apart. Path bytes widen one to one.
std::wstring CollectionName(const hid_device_info& info)
{
    const std::string path(info.path ? info.path : "");
    return std::wstring(path.begin(), path.end()) + L"#" + HexText(info.usage_page, 4) + L":" +
           HexText(info.usage, 4);
}

// Feature reports and writes cannot be cancelled, so a stuck one is left to
// its thread almost at once.
constexpr std::chrono::milliseconds kAbandonGrace{50};

int Milliseconds(std::uint32_t timeoutMs) { return static_cast<int>(std::min<std::uint32_t>(timeoutMs, INT_MAX)); }

}  // namespace

struct HidapiHidBus::Library {
    int (*exit)();
    ~Library() { exit(); }
};

HidapiHidBus::HidapiHidBus(const HidapiFunctions& hidapi, CallFailureLog::LineWriter writeFailure)
    : hidapi_(hidapi), failures_(std::move(writeFailure)), worker_([] { return CancelIo{}; }, kAbandonGrace)
{
    if (hidapi_.init() == 0)
        library_.reset(new Library{hidapi_.exit});
    else
        failures_.Failed(L"hid_init", LibraryFailure(hidapi_, nullptr));
}

HidapiHidBus::~HidapiHidBus()
{
    std::map<std::uintptr_t, OpenCollection> closing;
    {
        std::lock_guard lock(mutex_);
        closing.swap(open_);
    }
}

std::unique_ptr<HidInterfaceSet> HidapiHidBus::PresentInterfaces()
{
    if (!library_) return nullptr;
    hid_device_info* const devices = hidapi_.enumerate(kMouseVendorId, kMouseProductId);
    std::vector<std::wstring> paths;
    {
        std::lock_guard lock(mutex_);
        for (const hid_device_info* info = devices; info; info = info->next) {
            if (!info->path) continue;
            paths.push_back(CollectionName(*info));
            listed_[paths.back()] = {info->path,
                                     {info->vendor_id, info->product_id, info->release_number},
                                     info->usage_page,
                                     info->usage};
        }
    }
    hidapi_.free_enumeration(devices);
    return std::make_unique<ListedInterfaceSet>(std::move(paths));
}

HidOpenResult HidapiHidBus::Open(const std::wstring& path, HidAccess access, HidOpenMode)
{
    Collection collection;
    {
        std::lock_guard lock(mutex_);
        const auto found = listed_.find(path);
        if (found == listed_.end()) return {kInvalidHidHandle, HidOpenError::Other};
        collection = found->second;
    }
    std::shared_ptr<hid_device> device;
    if (access != HidAccess::None) {
        hid_device* const opened = hidapi_.open_path(collection.path.c_str());
        if (!opened) {
            failures_.Failed(L"hid_open_path", LibraryFailure(hidapi_, nullptr));
            return {kInvalidHidHandle, HidOpenError::Other};
        }
        failures_.Succeeded(L"hid_open_path");
        // A call left to its thread keeps the device, and the library, until it returns.
        device.reset(opened, [close = hidapi_.close, library = library_](hid_device* d) { close(d); });
    }
    std::lock_guard lock(mutex_);
    const std::uintptr_t key = nextHandle_++;
    open_[key] = OpenCollection{std::move(collection), std::move(device), nullptr, false};
    return {HidHandle{key}, HidOpenError::None};
}

void HidapiHidBus::Close(HidHandle handle)
{
    OpenCollection closing;
    {
        std::lock_guard lock(mutex_);
        const auto found = open_.find(static_cast<std::uintptr_t>(handle));
        if (found == open_.end()) return;
        closing = std::move(found->second);
        open_.erase(found);
    }
    if (closing.read) closing.read->Cancel();
}

bool HidapiHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    std::lock_guard lock(mutex_);
    const auto found = open_.find(static_cast<std::uintptr_t>(handle));
    if (found == open_.end()) return false;
    attributes = found->second.collection.attributes;
    return true;
}

HidCapsQuery HidapiHidBus::GetCaps(HidHandle handle, HidCaps& caps)
{
    std::lock_guard lock(mutex_);
    const auto found = open_.find(static_cast<std::uintptr_t>(handle));
    if (found == open_.end()) return HidCapsQuery::NoPreparsedData;
    caps = HidapiCollectionCaps(found->second.collection.usagePage, found->second.collection.usage);
    return HidCapsQuery::Ok;
}

HidapiHidBus::Target HidapiHidBus::TargetOf(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto found = open_.find(static_cast<std::uintptr_t>(handle));
    if (found == open_.end()) return {};
    const Collection& collection = found->second.collection;
    return {found->second.device, HasNumberedInputReports(collection.usagePage, collection.usage)};
}

// The call captures the device and the library's functions, never the bus:
// a call left to its thread outlives its turn.
int HidapiHidBus::Exchange(const wchar_t* call, HidHandle handle, DeviceCall io, std::span<std::uint8_t> report,
                           std::uint32_t timeoutMs)
{
    const std::shared_ptr<hid_device> device = TargetOf(handle).device;
    if (!device) return -1;
    auto failure = std::make_shared<CallFailure>();
    const HidapiFunctions hidapi = hidapi_;
    const IoOutcome outcome = worker_.Run(
        [device, io = std::move(io), hidapi, failure](std::span<std::uint8_t> bytes) {
            const int count = io(device.get(), bytes);
            if (count < 0) *failure = LibraryFailure(hidapi, device.get());
            return IoResult{count >= 0, static_cast<std::uint32_t>(std::max(count, 0)), 0};
        },
        report, std::chrono::milliseconds(timeoutMs));
    switch (outcome.status) {
    case IoStatus::Finished:
        if (!outcome.result.succeeded) {
            failures_.Failed(call, *failure);
            return -1;
        }
        failures_.Succeeded(call);
        return static_cast<int>(outcome.result.transferred);
    case IoStatus::TimedOut: failures_.Failed(call, {CallFailure::Kind::TimedOut, timeoutMs}); break;
    case IoStatus::NoThread: failures_.Failed(call, {CallFailure::Kind::NoThread}); break;
    }
    return -1;
}

bool HidapiHidBus::Send(const wchar_t* call, SendFunction send, HidHandle handle,
                        std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    std::vector<std::uint8_t> sent(report.begin(), report.end());
    const auto io = [send](hid_device* device, std::span<std::uint8_t> bytes) {
        return send(device, bytes.data(), bytes.size());
    };
    return Exchange(call, handle, io, sent, timeoutMs) >= 0;
}

bool HidapiHidBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    return Send(L"hid_send_feature_report", hidapi_.send_feature_report, handle, report, timeoutMs);
}

bool HidapiHidBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const auto get = hidapi_.get_feature_report;
    // The count includes the report id in byte 0; a short reply leaves the rest cleared.
    const auto io = [get](hid_device* device, std::span<std::uint8_t> bytes) {
        const int count = get(device, bytes.data(), bytes.size());
        if (count >= 0 && static_cast<std::size_t>(count) < bytes.size())
            std::fill(bytes.begin() + count, bytes.end(), 0);
        return count;
    };
    return Exchange(L"hid_get_feature_report", handle, io, report, timeoutMs) > 0;
}

bool HidapiHidBus::Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    return Send(L"hid_write", hidapi_.write, handle, report, timeoutMs);
}

std::size_t HidapiHidBus::Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const Target target = TargetOf(handle);
    if (!target.device) return 0;
    const int count = ReadInputReport(hidapi_, target.device.get(), report, target.numberedInput, Milliseconds(timeoutMs));
    if (count < 0)
        failures_.Failed(L"hid_read_timeout", LibraryFailure(hidapi_, target.device.get()));
    else if (count == 0)
        failures_.Failed(L"hid_read_timeout", {CallFailure::Kind::TimedOut, timeoutMs});
    else
        failures_.Succeeded(L"hid_read_timeout");
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::unique_ptr<HidSignal> HidapiHidBus::CreateSignal() { return std::make_unique<ThreadSignal>(); }

bool HidapiHidBus::StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done)
{
    std::lock_guard lock(mutex_);
    const auto found = open_.find(static_cast<std::uintptr_t>(handle));
    if (found == open_.end()) return false;
    OpenCollection& open = found->second;
    // A device that failed a read is gone for good, as an unplugged one is.
    if (!open.device || open.readFailed || open.read) return false;
    try {
        open.read = std::make_shared<HidapiEventRead>(
            hidapi_, open.device, HasNumberedInputReports(open.collection.usagePage, open.collection.usage), buffer,
            done, failures_);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

std::size_t HidapiHidBus::FinishEventRead(HidHandle handle)
{
    std::shared_ptr<HidapiEventRead> read;
    {
        std::lock_guard lock(mutex_);
        const auto found = open_.find(static_cast<std::uintptr_t>(handle));
        if (found == open_.end() || !found->second.read) return 0;
        read = found->second.read;
    }
    // The read stays listed while it is waited for, so that a cancel finds it.
    const std::size_t transferred = read->Finish();
    std::lock_guard lock(mutex_);
    const auto found = open_.find(static_cast<std::uintptr_t>(handle));
    if (found != open_.end() && found->second.read == read) {
        found->second.read.reset();
        found->second.readFailed = read->Failed();
    }
    return transferred;
}

void HidapiHidBus::CancelEventRead(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto found = open_.find(static_cast<std::uintptr_t>(handle));
    if (found != open_.end() && found->second.read) found->second.read->Cancel();
}

}  // namespace norvale
