#pragma once
#include <array>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "emulator/device_trace.h"
#include "emulator/emulated_hid_device.h"
#include "platform/clock.h"

namespace norvale {

using StoredBlock = std::array<std::uint8_t, 128>;

// What the emulated mouse shows the system. The defaults are the Norvale;
// tests change them to build look-alikes the utility must not take for it.
struct MouseIdentity {
    std::uint16_t vendorId = 0x04D9;
    std::uint16_t productId = 0xB62E;
    std::uint16_t versionNumber = 0x0100;
    std::uint16_t featureReportLength = 9;
    std::uint16_t eventInputReportLength = 8;
    std::uint8_t firmwareMajor = 0x01;
    std::uint8_t firmwareMinor = 0x07;
    // Tells the interface names of two mice on one bus apart.
    std::wstring instance = L"7&1c3a2f08&0";
};

// Ways the mouse misbehaves, until told otherwise.
enum class MouseFault {
    None,
    NoReply,       // feature reads and input reports never come
    ShortReply,    // replies carry only their first three bytes; a block stops after one chunk
    GarbageReply,  // replies are noise and announce 255 bytes
    DisconnectMidTransfer,  // unplugs after the next chunk
};

// The mouse as the utility sees it: a command collection that takes command
// packets and 128-byte blocks and answers the read commands, an event
// collection for its own buttons, and the pointer collection the system keeps
// for itself. It keeps what it is sent, traces every report with the time of
// `clock`, and records whatever a real mouse would not forgive.
class EmulatedMouse final : public EmulatedHidDevice {
public:
    explicit EmulatedMouse(Clock& clock, MouseIdentity identity = {});

    void Plug();
    void Unplug();
    bool IsPlugged() const;
    // Sends the event report 06 07 code value on the event collection.
    void Press(std::uint8_t code, std::uint8_t value);
    void SetFault(MouseFault fault);

    void SetProfileIndex(std::uint8_t index);
    void SetStoredProfileImage(std::uint8_t profileIndex, const StoredBlock& image);

    // What the utility delivered, per profile and per macro block.
    std::optional<StoredBlock> ProfileImage(std::uint8_t profileIndex) const;
    std::optional<StoredBlock> KeyMatrix(std::uint8_t profileIndex) const;
    std::optional<StoredBlock> MacroBlock(std::uint8_t blockNumber) const;
    std::optional<std::uint8_t> ReportRate(std::uint8_t profileIndex) const;
    std::optional<std::uint8_t> FunctionOptions() const;
    int PreamblesReceived() const;

    std::vector<std::string> Trace() const;
    std::string TraceText() const;
    std::vector<std::string> Violations() const;
    void ClearTrace();

    void ConnectTo(EmulatedBusPort* port) override;
    std::vector<EmulatedCollection> Collections() const override;
    unsigned Connection() const override;
    bool SetFeature(std::size_t collection, std::span<const std::uint8_t> report) override;
    bool GetFeature(std::size_t collection, std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    bool Write(std::size_t collection, std::span<const std::uint8_t> report) override;
    std::size_t Read(std::size_t collection, std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    std::optional<std::vector<std::uint8_t>> TakeEventReport(std::size_t collection) override;

private:
    // A block the mouse expects after a write command.
    struct IncomingBlock {
        std::uint8_t code = 0;
        std::uint8_t index = 0;
        std::size_t announced = 0;
        std::vector<std::uint8_t> bytes;
    };

    std::vector<EmulatedCollection> CollectionsLocked() const;
    void TakeCommand(const std::array<std::uint8_t, 8>& packet);
    void PrepareReply(const std::array<std::uint8_t, 8>& packet);
    void StoreBlock(const IncomingBlock& block);
    void CloseIncomingBlock();
    // Call without the lock held.
    void DisconnectIfDue();

    Clock& clock_;
    const MouseIdentity identity_;
    mutable std::mutex mutex_;
    EmulatedBusPort* port_ = nullptr;
    bool plugged_ = true;
    unsigned connection_ = 1;
    MouseFault fault_ = MouseFault::None;
    bool disconnectDue_ = false;
    DeviceTrace trace_;

    std::uint8_t profileIndex_ = 0;
    std::array<std::uint8_t, 8> reply_{};
    std::deque<std::vector<std::uint8_t>> inputReports_;
    std::deque<std::vector<std::uint8_t>> eventReports_;
    std::optional<IncomingBlock> incoming_;
    std::optional<std::uint32_t> lastChunkTime_;

    std::map<std::uint8_t, StoredBlock> profileImages_;
    std::map<std::uint8_t, StoredBlock> keyMatrices_;
    std::map<std::uint8_t, StoredBlock> macroBlocks_;
    std::map<std::uint8_t, std::uint8_t> reportRates_;
    std::optional<std::uint8_t> functionOptions_;
    int preambles_ = 0;
};

}  // namespace norvale
