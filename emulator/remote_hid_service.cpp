#include "emulator/remote_hid_service.h"

#include "emulator/remote_protocol.h"

namespace norvale {
namespace {

constexpr std::size_t kLargestReport = 4096;

std::string Bool(bool ok) { return ok ? "OK" : "ERR"; }

std::string Hex4(unsigned value)
{
    const std::uint8_t bytes[] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return HexBytes(bytes);
}

std::optional<HidAccess> AccessNamed(std::string_view name)
{
    if (name == "none") return HidAccess::None;
    if (name == "read") return HidAccess::Read;
    if (name == "readwrite") return HidAccess::ReadWrite;
    return std::nullopt;
}

std::optional<HidOpenMode> ModeNamed(std::string_view name)
{
    if (name == "sync") return HidOpenMode::Synchronous;
    if (name == "overlapped") return HidOpenMode::Overlapped;
    return std::nullopt;
}

}  // namespace

// Set from inside the bus when a read completes; only notes the handle, since
// the read is finished later, outside the bus.
class RemoteHidService::ReadySignal final : public HidSignal {
public:
    ReadySignal(RemoteHidService& service, HidHandle handle) : service_(service), handle_(handle) {}
    void Set() override { service_.MarkReady(handle_); }
    void Reset() override {}
    void Wait() override {}

private:
    RemoteHidService& service_;
    HidHandle handle_;
};

RemoteHidService::RemoteHidService(HidBus& bus) : bus_(bus)
{
    bus_.WatchDeviceChanges([this](DeviceChange change, const std::wstring& name) {
        std::lock_guard lock(pushMutex_);
        pushes_.push_back((change == DeviceChange::Arrival ? "ARRIVAL " : "REMOVAL ") + NarrowPath(name));
    });
}

RemoteHidService::~RemoteHidService()
{
    bus_.WatchDeviceChanges(nullptr);
    for (auto& [handle, read] : eventReads_) bus_.CancelEventRead(handle);
}

void RemoteHidService::MarkReady(HidHandle handle)
{
    std::lock_guard lock(pushMutex_);
    ready_.insert(handle);
}

std::vector<std::string> RemoteHidService::TakePushes()
{
    std::set<HidHandle> ready;
    {
        std::lock_guard lock(pushMutex_);
        ready.swap(ready_);
    }
    std::vector<std::string> events;
    for (const HidHandle handle : ready) {
        const auto found = eventReads_.find(handle);
        if (found == eventReads_.end()) continue;
        const std::size_t transferred = bus_.FinishEventRead(handle);
        const std::span<const std::uint8_t> bytes(found->second.buffer.data(), transferred);
        events.push_back("EVENT " + std::to_string(static_cast<std::uintptr_t>(handle)) + " " + HexBytes(bytes));
        eventReads_.erase(found);
    }
    std::lock_guard lock(pushMutex_);
    std::vector<std::string> pushes;
    pushes.swap(pushes_);
    pushes.insert(pushes.end(), events.begin(), events.end());
    return pushes;
}

std::string RemoteHidService::List()
{
    const std::unique_ptr<HidInterfaceSet> interfaces = bus_.PresentInterfaces();
    if (!interfaces) return "ERR";
    std::string response = "OK";
    std::wstring path;
    for (std::uint32_t member = 0;; ++member) {
        const InterfaceLookup lookup = interfaces->Interface(member, path);
        if (lookup != InterfaceLookup::Found) break;
        response += " " + NarrowPath(path);
    }
    return response;
}

std::string RemoteHidService::Open(const std::vector<std::string>& words)
{
    const std::optional<HidAccess> access = AccessNamed(words[1]);
    const std::optional<HidOpenMode> mode = ModeNamed(words[2]);
    if (!access || !mode) return "ERR other";
    const HidOpenResult opened = bus_.Open(WidePath(words[3]), *access, *mode);
    if (opened.error == HidOpenError::AccessDenied) return "ERR denied";
    if (opened.error != HidOpenError::None) return "ERR other";
    return "OK " + std::to_string(static_cast<std::uintptr_t>(opened.handle));
}

std::string RemoteHidService::Caps(HidHandle handle)
{
    HidCaps caps;
    switch (bus_.GetCaps(handle, caps)) {
    case HidCapsQuery::NoPreparsedData: return "ERR nopreparsed";
    case HidCapsQuery::InvalidPreparsedData: return "ERR invalid";
    case HidCapsQuery::Ok: break;
    }
    return "OK " + Hex4(caps.usage) + " " + Hex4(caps.usagePage) + " " + Hex4(caps.inputReportByteLength) + " " +
           Hex4(caps.outputReportByteLength) + " " + Hex4(caps.featureReportByteLength);
}

std::string RemoteHidService::StartEventRead(HidHandle handle, std::size_t length)
{
    if (eventReads_.count(handle)) return "ERR";
    EventRead& read = eventReads_[handle];
    read.buffer.assign(length, 0);
    read.done = std::make_unique<ReadySignal>(*this, handle);
    if (bus_.StartEventRead(handle, read.buffer, *read.done)) return "OK";
    eventReads_.erase(handle);
    return "ERR";
}

std::string RemoteHidService::Handle(std::string_view request)
{
    const std::vector<std::string> words = SplitWords(request);
    if (words.empty()) return "ERR";
    const std::string& verb = words[0];
    if (verb == "LIST" && words.size() == 1) return List();
    if (verb == "OPEN" && words.size() == 4) return Open(words);
    if (words.size() < 2) return "ERR";

    const std::optional<unsigned long long> number = ParseNumber(words[1]);
    if (!number) return "ERR";
    const HidHandle handle{static_cast<std::uintptr_t>(*number)};
    const auto argument = [&](std::size_t i) {
        return i < words.size() ? ParseNumber(words[i]).value_or(0) : 0ULL;
    };
    const auto timeout = static_cast<std::uint32_t>(argument(2));
    const std::size_t length = std::min<std::size_t>(argument(3), kLargestReport);

    if (verb == "CLOSE") {
        bus_.Close(handle);
        return "OK";
    }
    if (verb == "ATTR") {
        HidAttributes attributes;
        if (!bus_.GetAttributes(handle, attributes)) return "ERR";
        return "OK " + Hex4(attributes.vendorId) + " " + Hex4(attributes.productId) + " " +
               Hex4(attributes.versionNumber);
    }
    if (verb == "CAPS") return Caps(handle);
    if (verb == "SETF" || verb == "WRITE") {
        const std::optional<std::vector<std::uint8_t>> report =
            words.size() == 4 ? ParseHexBytes(words[3]) : std::nullopt;
        if (!report) return "ERR";
        return Bool(verb == "SETF" ? bus_.SetFeature(handle, *report, timeout) : bus_.Write(handle, *report, timeout));
    }
    if (verb == "GETF") {
        std::vector<std::uint8_t> report(length);
        if (!bus_.GetFeature(handle, report, timeout)) return "ERR";
        return "OK " + HexBytes(report);
    }
    if (verb == "READ") {
        std::vector<std::uint8_t> report(length);
        const std::size_t count = bus_.Read(handle, report, timeout);
        if (count == 0) return "ERR";
        return "OK " + HexBytes(std::span(report).first(count));
    }
    if (verb == "EVSTART") return StartEventRead(handle, std::min<std::size_t>(argument(2), kLargestReport));
    if (verb == "EVCANCEL") {
        bus_.CancelEventRead(handle);
        return "OK";
    }
    return "ERR";
}

}  // namespace norvale
