#include "device/win32/system_hid_bus.h"

#include <windows.h>
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

#include "device/win32/thread_canceller.h"

namespace norvale {
namespace {

HANDLE Native(HidHandle handle) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle)); }
HidHandle Wrapped(HANDLE handle) { return HidHandle{reinterpret_cast<std::uintptr_t>(handle)}; }

class SetupInterfaceSet final : public HidInterfaceSet {
public:
    SetupInterfaceSet(HDEVINFO set, const GUID& hidClass) : set_(set), hidClass_(hidClass) {}
    ~SetupInterfaceSet() override { SetupDiDestroyDeviceInfoList(set_); }
    SetupInterfaceSet(const SetupInterfaceSet&) = delete;
    SetupInterfaceSet& operator=(const SetupInterfaceSet&) = delete;

    InterfaceLookup Interface(std::uint32_t memberIndex, std::wstring& path) override
    {
        SP_DEVICE_INTERFACE_DATA member{};
        member.cbSize = sizeof(member);
        if (!SetupDiEnumDeviceInterfaces(set_, nullptr, &hidClass_, memberIndex, &member))
            return InterfaceLookup::NoMoreItems;

        DWORD required = 0;
        SetupDiGetDeviceInterfaceDetailW(set_, &member, nullptr, 0, &required, nullptr);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return InterfaceLookup::DetailFailed;
        std::vector<std::uint8_t> storage(required);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(set_, &member, detail, required, nullptr, nullptr))
            return InterfaceLookup::DetailFailed;
        path = detail->DevicePath;
        return InterfaceLookup::Found;
    }

private:
    HDEVINFO set_;
    GUID hidClass_;
};

class EventSignal final : public HidSignal {
public:
    EventSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~EventSignal() override
    {
        if (event_) CloseHandle(event_);
    }
    EventSignal(const EventSignal&) = delete;
    EventSignal& operator=(const EventSignal&) = delete;

    void Set() override { SetEvent(event_); }
    void Reset() override { ResetEvent(event_); }
    void Wait() override { WaitForSingleObject(event_, INFINITE); }
    HANDLE Native() const { return event_; }

private:
    HANDLE event_;
};

DWORD DesiredAccess(HidAccess access)
{
    switch (access) {
    case HidAccess::None: return 0;
    case HidAccess::Read: return GENERIC_READ;
    case HidAccess::ReadWrite: return GENERIC_READ | GENERIC_WRITE;
    }
    return 0;
}

std::vector<std::uint8_t> Copy(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

// How long a cancelled call gets to return before it is abandoned.
constexpr std::chrono::milliseconds kCancelGrace{500};

// Read right after the call, on the thread that made it.
IoResult ResultOf(BOOL succeeded, DWORD transferred = 0)
{
    return {succeeded != FALSE, transferred, succeeded ? ERROR_SUCCESS : GetLastError()};
}

}  // namespace

// The overlapped block must stay where it is until the read has completed,
// whoever finishes it.
struct SystemHidBus::EventRead {
    OVERLAPPED overlapped{};
    std::atomic<bool> closed{false};
};

SystemHidBus::SystemHidBus() : worker_(CancellerForCurrentThread, kCancelGrace) {}
SystemHidBus::~SystemHidBus() = default;

std::unique_ptr<HidInterfaceSet> SystemHidBus::PresentInterfaces()
{
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    const HDEVINFO set = SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<SetupInterfaceSet>(set, hidClass);
}

HidOpenResult SystemHidBus::Open(const std::wstring& path, HidAccess access, HidOpenMode mode)
{
    const DWORD flags = mode == HidOpenMode::Overlapped ? FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL : 0;
    const HANDLE handle = CreateFileW(path.c_str(), DesiredAccess(access), FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return {Wrapped(handle), HidOpenError::None};
    const HidOpenError error = GetLastError() == ERROR_ACCESS_DENIED ? HidOpenError::AccessDenied : HidOpenError::Other;
    return {kInvalidHidHandle, error};
}

void SystemHidBus::Close(HidHandle handle)
{
    if (const std::shared_ptr<EventRead> read = PendingRead(handle)) {
        // Let the cancelled read land in its block before the handle goes.
        CancelIoEx(Native(handle), &read->overlapped);
        DWORD transferred = 0;
        GetOverlappedResult(Native(handle), &read->overlapped, &transferred, TRUE);
        read->closed = true;
        std::lock_guard lock(mutex_);
        eventReads_.erase(handle);
    }
    CloseHandle(Native(handle));
}

bool SystemHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    HIDD_ATTRIBUTES native{};
    native.Size = sizeof(native);
    if (!HidD_GetAttributes(Native(handle), &native)) return false;
    attributes = {native.VendorID, native.ProductID, native.VersionNumber};
    return true;
}

HidCapsQuery SystemHidBus::GetCaps(HidHandle handle, HidCaps& caps)
{
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(Native(handle), &preparsed)) return HidCapsQuery::NoPreparsedData;
    HIDP_CAPS native{};
    const NTSTATUS status = HidP_GetCaps(preparsed, &native);
    HidD_FreePreparsedData(preparsed);
    if (status != HIDP_STATUS_SUCCESS) return HidCapsQuery::InvalidPreparsedData;
    caps = {native.Usage, native.UsagePage, native.InputReportByteLength, native.OutputReportByteLength,
            native.FeatureReportByteLength};
    return HidCapsQuery::Ok;
}

// The calls capture the device handle, never the bus: an abandoned call
// outlives its turn.
IoResult SystemHidBus::Exchange(BlockingIo io, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const IoOutcome outcome = worker_.Run(std::move(io), report, std::chrono::milliseconds(timeoutMs));
    return outcome.status == IoStatus::Finished ? outcome.result : IoResult{};
}

bool SystemHidBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    std::vector<std::uint8_t> sent = Copy(report);
    const HANDLE device = Native(handle);
    return Exchange(
               [device](std::span<std::uint8_t> bytes) {
                   return ResultOf(HidD_SetFeature(device, bytes.data(), static_cast<ULONG>(bytes.size())));
               },
               sent, timeoutMs)
        .succeeded;
}

bool SystemHidBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const HANDLE device = Native(handle);
    return Exchange(
               [device](std::span<std::uint8_t> bytes) {
                   return ResultOf(HidD_GetFeature(device, bytes.data(), static_cast<ULONG>(bytes.size())));
               },
               report, timeoutMs)
        .succeeded;
}

bool SystemHidBus::Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    std::vector<std::uint8_t> sent = Copy(report);
    const HANDLE device = Native(handle);
    return Exchange(
               [device](std::span<std::uint8_t> bytes) {
                   DWORD transferred = 0;
                   const BOOL written =
                       WriteFile(device, bytes.data(), static_cast<DWORD>(bytes.size()), &transferred, nullptr);
                   return ResultOf(written, transferred);
               },
               sent, timeoutMs)
        .succeeded;
}

std::size_t SystemHidBus::Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const HANDLE device = Native(handle);
    const IoResult result = Exchange(
        [device](std::span<std::uint8_t> bytes) {
            DWORD transferred = 0;
            const BOOL read = ReadFile(device, bytes.data(), static_cast<DWORD>(bytes.size()), &transferred, nullptr);
            return ResultOf(read, transferred);
        },
        report, timeoutMs);
    return result.succeeded ? std::min<std::size_t>(result.transferred, report.size()) : 0;
}

std::unique_ptr<HidSignal> SystemHidBus::CreateSignal() { return std::make_unique<EventSignal>(); }

std::shared_ptr<SystemHidBus::EventRead> SystemHidBus::PendingRead(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto found = eventReads_.find(handle);
    return found == eventReads_.end() ? nullptr : found->second;
}

bool SystemHidBus::StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done)
{
    auto* signal = dynamic_cast<EventSignal*>(&done);
    if (!signal) return false;
    auto read = std::make_shared<EventRead>();
    read->overlapped.hEvent = signal->Native();
    {
        std::lock_guard lock(mutex_);
        eventReads_[handle] = read;
    }
    if (ReadFile(Native(handle), buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, &read->overlapped) ||
        GetLastError() == ERROR_IO_PENDING)
        return true;
    std::lock_guard lock(mutex_);
    eventReads_.erase(handle);
    return false;
}

std::size_t SystemHidBus::FinishEventRead(HidHandle handle)
{
    const std::shared_ptr<EventRead> read = PendingRead(handle);
    if (!read) return 0;
    DWORD transferred = 0;
    const bool succeeded =
        !read->closed && GetOverlappedResult(Native(handle), &read->overlapped, &transferred, TRUE);
    {
        std::lock_guard lock(mutex_);
        const auto found = eventReads_.find(handle);
        if (found != eventReads_.end() && found->second == read) eventReads_.erase(found);
    }
    return succeeded ? transferred : 0;
}

void SystemHidBus::CancelEventRead(HidHandle handle)
{
    if (const std::shared_ptr<EventRead> read = PendingRead(handle)) CancelIoEx(Native(handle), &read->overlapped);
}

}  // namespace norvale
