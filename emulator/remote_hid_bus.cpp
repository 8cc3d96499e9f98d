#include "emulator/remote_hid_bus.h"

#include <algorithm>
#include <iterator>

#include "device/listed_interface_set.h"
#include "device/thread_signal.h"
#include "emulator/remote_protocol.h"

namespace norvale {
namespace {

const char* AccessName(HidAccess access)
{
    switch (access) {
    case HidAccess::None: return "none";
    case HidAccess::Read: return "read";
    case HidAccess::ReadWrite: return "readwrite";
    }
    return "none";
}

std::string Id(HidHandle handle) { return std::to_string(static_cast<std::uintptr_t>(handle)); }

std::uint16_t Word(const std::string& hex)
{
    const auto bytes = ParseHexBytes(hex);
    return bytes && bytes->size() == 2 ? static_cast<std::uint16_t>((*bytes)[0] << 8 | (*bytes)[1]) : 0;
}

}  // namespace

RemoteHidBus::RemoteHidBus(std::unique_ptr<RemoteChannel> channel) : channel_(std::move(channel)) {}

std::string RemoteHidBus::Request(const std::string& request) { return channel_->Exchange(request); }

std::optional<std::vector<std::uint8_t>> RemoteHidBus::ReplyBytes(const std::string& request)
{
    const std::vector<std::string> words = SplitWords(Request(request));
    if (words.size() != 2 || words[0] != "OK") return std::nullopt;
    return ParseHexBytes(words[1]);
}

std::unique_ptr<HidInterfaceSet> RemoteHidBus::PresentInterfaces()
{
    const std::vector<std::string> words = SplitWords(Request("LIST"));
    if (words.empty() || words[0] != "OK") return nullptr;
    std::vector<std::wstring> paths;
    std::transform(words.begin() + 1, words.end(), std::back_inserter(paths),
                   [](const std::string& word) { return WidePath(word); });
    return std::make_unique<ListedInterfaceSet>(std::move(paths));
}

HidOpenResult RemoteHidBus::Open(const std::wstring& path, HidAccess access, HidOpenMode mode)
{
    const std::string request = std::string("OPEN ") + AccessName(access) + " " +
                                (mode == HidOpenMode::Overlapped ? "overlapped" : "sync") + " " + NarrowPath(path);
    const std::vector<std::string> words = SplitWords(Request(request));
    if (words.size() == 2 && words[0] == "OK") {
        if (const auto id = ParseNumber(words[1])) return {HidHandle{static_cast<std::uintptr_t>(*id)}, HidOpenError::None};
    }
    if (words.size() == 2 && words[1] == "denied") return {kInvalidHidHandle, HidOpenError::AccessDenied};
    return {kInvalidHidHandle, HidOpenError::Other};
}

void RemoteHidBus::Close(HidHandle handle)
{
    Request("CLOSE " + Id(handle));
    FinishPending(handle, {});
}

bool RemoteHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes)
{
    const std::vector<std::string> words = SplitWords(Request("ATTR " + Id(handle)));
    if (words.size() != 4 || words[0] != "OK") return false;
    attributes = {Word(words[1]), Word(words[2]), Word(words[3])};
    return true;
}

HidCapsQuery RemoteHidBus::GetCaps(HidHandle handle, HidCaps& caps)
{
    const std::vector<std::string> words = SplitWords(Request("CAPS " + Id(handle)));
    if (words.size() == 2 && words[1] == "invalid") return HidCapsQuery::InvalidPreparsedData;
    if (words.size() != 6 || words[0] != "OK") return HidCapsQuery::NoPreparsedData;
    caps = {Word(words[1]), Word(words[2]), Word(words[3]), Word(words[4]), Word(words[5])};
    return HidCapsQuery::Ok;
}

bool RemoteHidBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    return Request("SETF " + Id(handle) + " " + std::to_string(timeoutMs) + " " + HexBytes(report)) == "OK";
}

bool RemoteHidBus::Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    return Request("WRITE " + Id(handle) + " " + std::to_string(timeoutMs) + " " + HexBytes(report)) == "OK";
}

bool RemoteHidBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const auto bytes =
        ReplyBytes("GETF " + Id(handle) + " " + std::to_string(timeoutMs) + " " + std::to_string(report.size()));
    if (!bytes) return false;
    std::copy_n(bytes->begin(), std::min(bytes->size(), report.size()), report.begin());
    return true;
}

std::size_t RemoteHidBus::Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    const auto bytes =
        ReplyBytes("READ " + Id(handle) + " " + std::to_string(timeoutMs) + " " + std::to_string(report.size()));
    if (!bytes) return 0;
    const std::size_t count = std::min(bytes->size(), report.size());
    std::copy_n(bytes->begin(), count, report.begin());
    return count;
}

std::unique_ptr<HidSignal> RemoteHidBus::CreateSignal() { return std::make_unique<ThreadSignal>(); }

bool RemoteHidBus::StartEventRead(HidHandle handle, std::span<std::uint8_t> buffer, HidSignal& done)
{
    {
        std::lock_guard lock(mutex_);
        if (reads_.count(handle)) return false;
        // Registered first: the completion may arrive before the response.
        reads_[handle] = PendingRead{buffer, &done, false, 0};
    }
    if (Request("EVSTART " + Id(handle) + " " + std::to_string(buffer.size())) == "OK") return true;
    std::lock_guard lock(mutex_);
    reads_.erase(handle);
    return false;
}

void RemoteHidBus::FinishPending(HidHandle handle, std::span<const std::uint8_t> bytes)
{
    std::lock_guard lock(mutex_);
    const auto found = reads_.find(handle);
    if (found == reads_.end() || found->second.finished) return;
    PendingRead& read = found->second;
    read.transferred = std::min(bytes.size(), read.buffer.size());
    std::copy_n(bytes.begin(), read.transferred, read.buffer.begin());
    read.finished = true;
    read.done->Set();
    readFinished_.notify_all();
}

std::size_t RemoteHidBus::FinishEventRead(HidHandle handle)
{
    std::unique_lock lock(mutex_);
    readFinished_.wait(lock, [&] {
        const auto found = reads_.find(handle);
        return found == reads_.end() || found->second.finished;
    });
    const auto found = reads_.find(handle);
    if (found == reads_.end()) return 0;
    const std::size_t transferred = found->second.transferred;
    reads_.erase(found);
    return transferred;
}

void RemoteHidBus::CancelEventRead(HidHandle handle)
{
    if (Request("EVCANCEL " + Id(handle)).empty()) FinishPending(handle, {});
}

void RemoteHidBus::WatchDeviceChanges(DeviceChangeHandler handler)
{
    std::lock_guard lock(mutex_);
    changeHandler_ = std::move(handler);
}

void RemoteHidBus::Deliver(std::string_view line)
{
    const std::vector<std::string> words = SplitWords(line);
    if (words.size() < 2) return;
    if (words[0] == "EVENT") {
        const auto id = ParseNumber(words[1]);
        const auto bytes = words.size() == 3 ? ParseHexBytes(words[2]) : std::vector<std::uint8_t>{};
        if (id) FinishPending(HidHandle{static_cast<std::uintptr_t>(*id)}, bytes.value_or(std::vector<std::uint8_t>{}));
        return;
    }
    if (words[0] != "ARRIVAL" && words[0] != "REMOVAL") return;
    DeviceChangeHandler handler;
    {
        std::lock_guard lock(mutex_);
        handler = changeHandler_;
    }
    if (handler) handler(words[0] == "ARRIVAL" ? DeviceChange::Arrival : DeviceChange::Removal, WidePath(words[1]));
}

void RemoteHidBus::ConnectionLost()
{
    std::vector<HidHandle> pending;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [handle, read] : reads_) pending.push_back(handle);
    }
    for (const HidHandle handle : pending) FinishPending(handle, {});
}

}  // namespace norvale
