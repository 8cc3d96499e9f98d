#include "emulator/emulated_mouse.h"

#include <algorithm>

namespace norvale {
namespace {

enum CollectionIndex : std::size_t { kPointerCollection, kCommandCollection, kEventCollection };

constexpr std::size_t kBlockLength = 128;
constexpr std::size_t kChunkLength = 64;
constexpr std::size_t kChunkReportLength = kChunkLength + 1;
constexpr std::uint32_t kChunkSpacingMs = 100;

std::wstring UpperHex4(unsigned value)
{
    static constexpr wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text(4, L'0');
    for (int i = 3; i >= 0; --i, value >>= 4) text[i] = digits[value & 0x0F];
    return text;
}

std::string ByteHex(std::uint8_t value) { return SpacedHex(std::span(&value, 1)); }

std::uint8_t Checksum(std::span<const std::uint8_t> bytes)
{
    std::uint8_t sum = 0;
    for (const std::uint8_t byte : bytes) sum = static_cast<std::uint8_t>(sum + byte);
    return static_cast<std::uint8_t>(sum ^ 0xFF);
}

// Deterministic noise, so a failing test shows the same bytes every run.
std::uint8_t Noise(std::size_t position) { return static_cast<std::uint8_t>(position * 37 + 11); }

bool IsBlockCommand(std::uint8_t code) { return code == 0x0C || code == 0x0D || code == 0x0F; }

template <typename Map>
std::optional<typename Map::mapped_type> Lookup(const Map& map, std::uint8_t key)
{
    const auto found = map.find(key);
    if (found == map.end()) return std::nullopt;
    return found->second;
}

}  // namespace

EmulatedMouse::EmulatedMouse(Clock& clock, MouseIdentity identity) : clock_(clock), identity_(std::move(identity))
{
}

std::vector<EmulatedCollection> EmulatedMouse::CollectionsLocked() const
{
    const std::wstring device = L"\\\\?\\HID#VID_" + UpperHex4(identity_.vendorId) + L"&PID_" +
                                UpperHex4(identity_.productId);
    const std::wstring tail = L"#" + identity_.instance + L"&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    const HidAttributes attributes{identity_.vendorId, identity_.productId, identity_.versionNumber};

    EmulatedCollection pointer{device + L"&MI_00" + tail, attributes, {0x0002, 0x0001, 5, 0, 0}};
    pointer.openError = HidOpenError::AccessDenied;
    const EmulatedCollection command{device + L"&MI_01&Col01" + tail, attributes,
                                     {0xFF00, 0xFF00, kChunkReportLength, kChunkReportLength,
                                      identity_.featureReportLength}};
    const EmulatedCollection event{device + L"&MI_01&Col02" + tail, attributes,
                                   {0x0001, 0xFF01, identity_.eventInputReportLength, 0, 0}};
    return {pointer, command, event};
}

void EmulatedMouse::ConnectTo(EmulatedBusPort* port)
{
    std::lock_guard lock(mutex_);
    port_ = port;
}

std::vector<EmulatedCollection> EmulatedMouse::Collections() const
{
    std::lock_guard lock(mutex_);
    if (!plugged_) return {};
    return CollectionsLocked();
}

unsigned EmulatedMouse::Connection() const
{
    std::lock_guard lock(mutex_);
    return connection_;
}

bool EmulatedMouse::IsPlugged() const
{
    std::lock_guard lock(mutex_);
    return plugged_;
}

void EmulatedMouse::Plug()
{
    std::vector<EmulatedCollection> collections;
    EmulatedBusPort* port = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (plugged_) return;
        plugged_ = true;
        ++connection_;
        collections = CollectionsLocked();
        port = port_;
    }
    if (port) port->Plugged(collections);
}

void EmulatedMouse::Unplug()
{
    std::vector<EmulatedCollection> collections;
    EmulatedBusPort* port = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) return;
        collections = CollectionsLocked();
        plugged_ = false;
        disconnectDue_ = false;
        incoming_.reset();
        inputReports_.clear();
        eventReports_.clear();
        port = port_;
    }
    if (port) port->Unplugged(collections);
}

void EmulatedMouse::Press(std::uint8_t code, std::uint8_t value)
{
    EmulatedBusPort* port = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) return;
        std::vector<std::uint8_t> report(std::max<std::size_t>(identity_.eventInputReportLength, 4));
        report[0] = 0x06;
        report[1] = 0x07;
        report[2] = code;
        report[3] = value;
        eventReports_.push_back(std::move(report));
        port = port_;
    }
    if (port) port->InputReportsWaiting();
}

void EmulatedMouse::SetFault(MouseFault fault)
{
    std::lock_guard lock(mutex_);
    fault_ = fault;
}

void EmulatedMouse::SetProfileIndex(std::uint8_t index)
{
    std::lock_guard lock(mutex_);
    profileIndex_ = index;
}

void EmulatedMouse::SetStoredProfileImage(std::uint8_t profileIndex, const StoredBlock& image)
{
    std::lock_guard lock(mutex_);
    profileImages_[profileIndex] = image;
}

std::optional<StoredBlock> EmulatedMouse::ProfileImage(std::uint8_t profileIndex) const
{
    std::lock_guard lock(mutex_);
    return Lookup(profileImages_, profileIndex);
}

std::optional<StoredBlock> EmulatedMouse::KeyMatrix(std::uint8_t profileIndex) const
{
    std::lock_guard lock(mutex_);
    return Lookup(keyMatrices_, profileIndex);
}

std::optional<StoredBlock> EmulatedMouse::MacroBlock(std::uint8_t blockNumber) const
{
    std::lock_guard lock(mutex_);
    return Lookup(macroBlocks_, blockNumber);
}

std::optional<std::uint8_t> EmulatedMouse::ReportRate(std::uint8_t profileIndex) const
{
    std::lock_guard lock(mutex_);
    return Lookup(reportRates_, profileIndex);
}

std::optional<std::uint8_t> EmulatedMouse::FunctionOptions() const
{
    std::lock_guard lock(mutex_);
    return functionOptions_;
}

int EmulatedMouse::PreamblesReceived() const
{
    std::lock_guard lock(mutex_);
    return preambles_;
}

std::vector<std::string> EmulatedMouse::Trace() const
{
    std::lock_guard lock(mutex_);
    return trace_.Lines();
}

std::string EmulatedMouse::TraceText() const
{
    std::lock_guard lock(mutex_);
    return trace_.Text();
}

std::vector<std::string> EmulatedMouse::Violations() const
{
    std::lock_guard lock(mutex_);
    return trace_.Violations();
}

void EmulatedMouse::ClearTrace()
{
    std::lock_guard lock(mutex_);
    trace_.Clear();
    lastChunkTime_.reset();
}

bool EmulatedMouse::SetFeature(std::size_t collection, std::span<const std::uint8_t> report)
{
    if (collection != kCommandCollection) return false;
    std::lock_guard lock(mutex_);
    const std::uint32_t now = clock_.TickCount();
    trace_.Report(now, "SET_FEATURE", report);
    if (report.size() != 9) {
        trace_.Violation(now, "feature report of " + std::to_string(report.size()) + " bytes, expected 9");
        return false;
    }
    const std::uint8_t expected = Checksum(report.subspan(1, 7));
    if (report[8] != expected)
        trace_.Violation(now, "checksum " + ByteHex(report[8]) + ", expected " + ByteHex(expected));
    std::array<std::uint8_t, 8> packet{};
    std::copy(report.begin() + 1, report.end(), packet.begin());
    TakeCommand(packet);
    return true;
}

void EmulatedMouse::CloseIncomingBlock()
{
    if (!incoming_) return;
    trace_.Violation(clock_.TickCount(), "block of command " + ByteHex(incoming_->code) + " cut short after " +
                                             std::to_string(incoming_->bytes.size()) + " of " +
                                             std::to_string(incoming_->announced) + " bytes");
    incoming_.reset();
}

void EmulatedMouse::TakeCommand(const std::array<std::uint8_t, 8>& packet)
{
    CloseIncomingBlock();
    const std::uint8_t code = packet[0];
    if (code >= 0x80) {
        PrepareReply(packet);
    } else if (code == 0x01 && packet[1] == 0x7C) {
        functionOptions_ = packet[2];
    } else if (code == 0x02) {
        ++preambles_;
    } else if (code == 0x03) {
        reportRates_[packet[1]] = packet[2];
    } else if (IsBlockCommand(code)) {
        if (packet[2] != kBlockLength)
            trace_.Violation(clock_.TickCount(), "block of " + std::to_string(packet[2]) + " bytes for command " +
                                                     ByteHex(code) + ", expected 128");
        if (packet[2] != 0) incoming_ = IncomingBlock{code, packet[1], packet[2], {}};
    } else {
        trace_.Violation(clock_.TickCount(), "unknown command " + ByteHex(code));
    }
}

void EmulatedMouse::PrepareReply(const std::array<std::uint8_t, 8>& packet)
{
    const std::uint8_t code = packet[0];
    reply_ = {code, 0, 0, 0, 0, 0, 0, 0};
    inputReports_.clear();
    std::vector<std::uint8_t> block;
    if (code == 0x80) {
        reply_[1] = identity_.firmwareMajor;
        reply_[2] = identity_.firmwareMinor;
    } else if (code == 0x82) {
        reply_[1] = profileIndex_;
    } else if (code == 0x8C) {
        reply_[1] = packet[1];
        reply_[2] = kBlockLength;
        const StoredBlock image = Lookup(profileImages_, packet[1]).value_or(StoredBlock{});
        block.assign(image.begin(), image.end());
    } else {
        trace_.Violation(clock_.TickCount(), "unknown command " + ByteHex(code));
    }
    if (fault_ == MouseFault::GarbageReply) {
        for (std::size_t i = 0; i < reply_.size(); ++i) reply_[i] = Noise(i);
        reply_[2] = 0xFF;
        block.resize(4 * kChunkLength);
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = Noise(i + 8);
    }
    if (fault_ == MouseFault::ShortReply) block.resize(std::min(block.size(), kChunkLength));
    reply_[7] = Checksum(std::span(reply_).first(7));

    for (std::size_t offset = 0; offset < block.size(); offset += kChunkLength) {
        std::vector<std::uint8_t> report(kChunkReportLength);
        const std::size_t count = std::min(kChunkLength, block.size() - offset);
        std::copy_n(block.begin() + offset, count, report.begin() + 1);
        inputReports_.push_back(std::move(report));
    }
}

bool EmulatedMouse::GetFeature(std::size_t collection, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    if (collection != kCommandCollection) return false;
    std::lock_guard lock(mutex_);
    if (fault_ == MouseFault::NoReply) {
        clock_.Sleep(timeoutMs);
        return false;
    }
    std::fill(report.begin(), report.end(), 0);
    const std::size_t replied = fault_ == MouseFault::ShortReply ? 3 : reply_.size();
    std::copy_n(reply_.begin(), std::min(replied, report.size() > 0 ? report.size() - 1 : 0), report.begin() + 1);
    trace_.Report(clock_.TickCount(), "GET_FEATURE", report);
    return true;
}

void EmulatedMouse::StoreBlock(const IncomingBlock& block)
{
    StoredBlock stored{};
    std::copy_n(block.bytes.begin(), std::min(block.bytes.size(), stored.size()), stored.begin());
    if (block.code == 0x0C) profileImages_[block.index] = stored;
    if (block.code == 0x0D) keyMatrices_[block.index] = stored;
    if (block.code == 0x0F) macroBlocks_[block.index] = stored;
}

bool EmulatedMouse::Write(std::size_t collection, std::span<const std::uint8_t> report)
{
    if (collection != kCommandCollection) return false;
    {
        std::lock_guard lock(mutex_);
        const std::uint32_t now = clock_.TickCount();
        trace_.Report(now, "WRITE", report);
        if (report.size() != kChunkReportLength)
            trace_.Violation(now, "output report of " + std::to_string(report.size()) + " bytes, expected 65");
        if (lastChunkTime_ && now - *lastChunkTime_ < kChunkSpacingMs)
            trace_.Violation(now, "chunk " + std::to_string(now - *lastChunkTime_) +
                                      " ms after the previous one, expected at least 100");
        lastChunkTime_ = now;
        if (!incoming_) {
            trace_.Violation(now, "chunk without a block command");
        } else {
            const auto data = report.subspan(std::min<std::size_t>(1, report.size()));
            incoming_->bytes.insert(incoming_->bytes.end(), data.begin(), data.end());
            if (incoming_->bytes.size() >= incoming_->announced) {
                StoreBlock(*incoming_);
                incoming_.reset();
            }
        }
        if (fault_ == MouseFault::DisconnectMidTransfer) disconnectDue_ = true;
    }
    DisconnectIfDue();
    return true;
}

std::size_t EmulatedMouse::Read(std::size_t collection, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    if (collection != kCommandCollection) return 0;
    std::size_t count = 0;
    {
        std::lock_guard lock(mutex_);
        if (fault_ == MouseFault::NoReply || inputReports_.empty()) {
            clock_.Sleep(timeoutMs);
            return 0;
        }
        const std::vector<std::uint8_t> next = std::move(inputReports_.front());
        inputReports_.pop_front();
        count = std::min(next.size(), report.size());
        std::copy_n(next.begin(), count, report.begin());
        trace_.Report(clock_.TickCount(), "READ", report.first(count));
        if (fault_ == MouseFault::DisconnectMidTransfer) disconnectDue_ = true;
    }
    DisconnectIfDue();
    return count;
}

std::optional<std::vector<std::uint8_t>> EmulatedMouse::TakeEventReport(std::size_t collection)
{
    if (collection != kEventCollection) return std::nullopt;
    std::lock_guard lock(mutex_);
    if (eventReports_.empty()) return std::nullopt;
    std::vector<std::uint8_t> report = std::move(eventReports_.front());
    eventReports_.pop_front();
    return report;
}

void EmulatedMouse::DisconnectIfDue()
{
    {
        std::lock_guard lock(mutex_);
        if (!disconnectDue_) return;
        fault_ = MouseFault::None;
    }
    Unplug();
}

}  // namespace norvale
