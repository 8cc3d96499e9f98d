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

#include "device/win32/noted_call.h"
#include "device/win32/thread_canceller.h"

namespace norvale {
namespace {

HANDLE Native(HidHandle handle) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle)); }
HidHandle Wrapped(HANDLE handle) { return HidHandle{reinterpret_cast<std::uintptr_t>(handle)}; }

class SetupInterfaceSet final : public HidInterfaceSet {
public:
    SetupInterfaceSet(HDEVINFO set, const GUID& hidClass, CallFailureLog& failures)
        : set_(set), hidClass_(hidClass), failures_(failures)
    {
    }
    ~SetupInterfaceSet() override { SetupDiDestroyDeviceInfoList(set_); }
    SetupInterfaceSet(const SetupInterfaceSet&) = delete;
    SetupInterfaceSet& operator=(const SetupInterfaceSet&) = delete;

    InterfaceLookup Interface(std::uint32_t memberIndex, std::wstring& path) override
    {
        SP_DEVICE_INTERFACE_DATA member{};
        member.cbSize = sizeof(member);
        if (!Noted(failures_, L"SetupDiEnumDeviceInterfaces",
                   SetupDiEnumDeviceInterfaces(set_, nullptr, &hidClass_, memberIndex, &member) != FALSE,
                   ERROR_NO_MORE_ITEMS))
            return InterfaceLookup::NoMoreItems;

        // Asking for the size fails by design, saying the buffer is too small.
        DWORD required = 0;
        Noted(failures_, L"SetupDiGetDeviceInterfaceDetailW",
              SetupDiGetDeviceInterfaceDetailW(set_, &member, nullptr, 0, &required, nullptr) != FALSE,
              ERROR_INSUFFICIENT_BUFFER);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return InterfaceLookup::DetailFailed;
        std::vector<std::uint8_t> storage(required);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!Noted(failures_, L"SetupDiGetDeviceInterfaceDetailW",
                   SetupDiGetDeviceInterfaceDetailW(set_, &member, detail, required, nullptr, nullptr) != FALSE))
            return InterfaceLookup::DetailFailed;
        path = detail->DevicePath;
        return InterfaceLookup::Found;
    }

private:
    HDEVINFO set_;
    GUID hidClass_;
    CallFailureLog& failures_;
};

class EventSignal final : public HidSignal {
public:
    explicit EventSignal(CallFailureLog& failures) : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        Noted(failures, L"CreateEventW", event_ != nullptr);
    }
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

// The outcome of the call just made; its error is read on the thread that made it.
IoResult ResultOf(BOOL succeeded, DWORD transferred = 0)
{
    return {succeeded != FALSE, transferred, succeeded ? ERROR_SUCCESS : GetLastError()};
}

// HidD_SetFeature or HidD_GetFeature on the worker's copy of the report.
using FeatureFunction = BOOLEAN(NTAPI*)(HANDLE, PVOID, ULONG);
BlockingIo FeatureCall(HANDLE device, FeatureFunction function)
{
    return [device, function](std::span<std::uint8_t> bytes) {
        return ResultOf(function(device, bytes.data(), static_cast<ULONG>(bytes.size())));
    };
}

}  // namespace

// The overlapped block must stay where it is until the read has completed,
// whoever finishes it.
struct SystemHidBus::EventRead {
    OVERLAPPED overlapped{};
    std::atomic<bool> closed{false};
};

SystemHidBus::SystemHidBus()
    : worker_([this] { return CancellerForCurrentThread(failures_); }, kCancelGrace)
{
}
SystemHidBus::~SystemHidBus() = default;

std::unique_ptr<HidInterfaceSet> SystemHidBus::PresentInterfaces()
{
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    const HDEVINFO set = SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (!Noted(failures_, L"SetupDiGetClassDevsW", set != INVALID_HANDLE_VALUE)) return nullptr;
    return std::make_unique<SetupInterfaceSet>(set, hidClass, failures_);
}

HidOpenResult SystemHidBus::Open(const std::wstring& path, HidAccess access, HidOpenMode mode)
{
    const DWORD flags = mode == HidOpenMode::Overlapped ? FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL : 0;
    const HANDLE handle = CreateFileW(path.c_str(), DesiredAccess(access), FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    // The device code passes over collections the system keeps to itself.
    if (Noted(failures_, L"CreateFileW", handle != INVALID_HANDLE_VALUE, ERROR_ACCESS_DENIED))
        return {Wrapped(handle), HidOpenError::None};
    const HidOpenError error = GetLastError() == ERROR_ACCESS_DENIED ? HidOpenError::AccessDenied : HidOpenError::Other;
    return {kInvalidHidHandle, error};
}

void SystemHidBus::Close(HidHandle handle)
{
    if (const std::shared_ptr<EventRead> read = PendingRead(handle)) {
        // Let the cancelled read land in its block before the handle goes.
        Noted(failures_, L"CancelIoEx", CancelIoEx(Native(handle), &read->overlapped) != FALSE, ERROR_NOT_FOUND);
        DWORD transferred = 0;
        GetOverlappedResult(Native(handle), &read->overlapped, &transferred, TRUE);
        read->closed = true;
        std::lock_guard lock(mutex_);
        eventReads_.erase(handle);
    }
    Noted(failures_, L"CloseHandle", CloseHandle(Native(handle)) != FALSE);
}

bool SystemHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    HIDD_ATTRIBUTES native{};
    native.Size = sizeof(native);
    if (!Noted(failures_, L"HidD_GetAttributes", HidD_GetAttributes(Native(handle), &native) != FALSE)) return false;
    attributes = {native.VendorID, native.ProductID, native.VersionNumber};
    return true;
}

HidCapsQuery SystemHidBus::GetCaps(HidHandle handle, HidCaps& caps)
{
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!Noted(failures_, L"HidD_GetPreparsedData", HidD_GetPreparsedData(Native(handle), &preparsed) != FALSE))
        return HidCapsQuery::NoPreparsedData;
    HIDP_CAPS native{};
    const NTSTATUS status = HidP_GetCaps(preparsed, &native);
    HidD_FreePreparsedData(preparsed);
    if (status != HIDP_STATUS_SUCCESS) {
        failures_.Failed(L"HidP_GetCaps", {CallFailure::Kind::Status, static_cast<std::uint32_t>(status)});
        return HidCapsQuery::InvalidPreparsedData;
    }
    failures_.Succeeded(L"HidP_GetCaps");
    caps = {native.Usage, native.UsagePage, native.InputReportByteLength, native.OutputReportByteLength,
            native.FeatureReportByteLength};
    return HidCapsQuery::Ok;
}

// The calls capture the device handle, never the bus: an abandoned call
// outlives its turn.
IoResult SystemHidBus::Exchange(const wchar_t* call, BlockingIo io, std::span<std::uint8_t> report,
                                std::uint32_t timeoutMs)
{
    const IoOutcome outcome = worker_.Run(std::move(io), report, std::chrono::milliseconds(timeoutMs));
    switch (outcome.status) {
    case IoStatus::Finished:
        if (outcome.result.succeeded)
            failures_.Succeeded(call);
        else
            failures_.Failed(call, {CallFailure::Kind::SystemError, outcome.result.systemError});
        return outcome.result;
    case IoStatus::TimedOut: failures_.Failed(call, {CallFailure::Kind::TimedOut, timeoutMs}); break;
    case IoStatus::NoThread: failures_.Failed(call, {CallFailure::Kind::NoThread}); break;
    }
    return {};
}

bool SystemHidBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    std::vector<std::uint8_t> sent = Copy(report);
    return Exchange(L"HidD_SetFeature", FeatureCall(Native(handle), HidD_SetFeature), sent, timeoutMs).succeeded;
}

bool SystemHidBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    return Exchange(L"HidD_GetFeature", FeatureCall(Native(handle), HidD_GetFeature), report, timeoutMs).succeeded;
}

bool SystemHidBus::Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    std::vector<std::uint8_t> sent = Copy(report);
    const HANDLE device = Native(handle);
    return Exchange(
               L"WriteFile",
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
        L"ReadFile",
        [device](std::span<std::uint8_t> bytes) {
            DWORD transferred = 0;
            const BOOL read = ReadFile(device, bytes.data(), static_cast<DWORD>(bytes.size()), &transferred, nullptr);
            return ResultOf(read, transferred);
        },
        report, timeoutMs);
    return result.succeeded ? std::min<std::size_t>(result.transferred, report.size()) : 0;
}

std::unique_ptr<HidSignal> SystemHidBus::CreateSignal() { return std::make_unique<EventSignal>(failures_); }

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
    const BOOL started =
        ReadFile(Native(handle), buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, &read->overlapped);
    if (Noted(failures_, L"ReadFile", started != FALSE, ERROR_IO_PENDING) || GetLastError() == ERROR_IO_PENDING)
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
    // A read cancelled by Stop or Close ends as aborted.
    const bool succeeded =
        !read->closed && Noted(failures_, L"GetOverlappedResult",
                               GetOverlappedResult(Native(handle), &read->overlapped, &transferred, TRUE) != FALSE,
                               ERROR_OPERATION_ABORTED);
    {
        std::lock_guard lock(mutex_);
        const auto found = eventReads_.find(handle);
        if (found != eventReads_.end() && found->second == read) eventReads_.erase(found);
    }
    return succeeded ? transferred : 0;
}

void SystemHidBus::CancelEventRead(HidHandle handle)
{
    if (const std::shared_ptr<EventRead> read = PendingRead(handle))
        Noted(failures_, L"CancelIoEx", CancelIoEx(Native(handle), &read->overlapped) != FALSE, ERROR_NOT_FOUND);
}

}  // namespace norvale
