#include "device/command_transport.h"

#include <algorithm>
#include <vector>

#include "device/hex_text.h"
#include "platform/debug_output.h"

namespace norvale {
namespace {

std::span<std::uint8_t> FeatureSpan(const DeviceContext& device, FeatureReport& report)
{
    return std::span(report).first(std::min<std::size_t>(device.link.featureReportLength, report.size()));
}

void SendFeature(const DeviceContext& device, const CommandPacket& packet)
{
    FeatureReport report = FeatureReportFor(packet);
    device.bus.SetFeature(device.link.commandHandle, FeatureSpan(device, report), kDeviceTimeoutMs);
}

// A reply that does not come leaves the cleared report, so the packet reads as zeros.
void FetchReply(const DeviceContext& device, CommandPacket& packet)
{
    FeatureReport report{};
    device.bus.GetFeature(device.link.commandHandle, FeatureSpan(device, report), kDeviceTimeoutMs);
    std::copy(report.begin() + 1, report.end(), packet.begin());
}

std::size_t ChunkCount(std::size_t length) { return (length + kChunkLength - 1) / kChunkLength; }

}  // namespace

FeatureReport FeatureReportFor(const CommandPacket& packet)
{
    FeatureReport report{};
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        report[i + 1] = packet[i];
        sum = static_cast<std::uint8_t>(sum + packet[i]);
    }
    report[8] = static_cast<std::uint8_t>(sum ^ 0xFF);
    return report;
}

void SendCommand(const DeviceContext& device, CommandPacket& packet)
{
    SendFeature(device, packet);
    if (packet[0] < kReadCommandBit) return;
    FetchReply(device, packet);
    DebugLine(L"Buffer[1]:" + HexText(packet[0], 2) + L",Buffer[2]:" + HexText(packet[1], 2) + L".");
}

void SendCommandWithData(const DeviceContext& device, CommandPacket& packet,
                         std::span<const std::uint8_t> block)
{
    SendFeature(device, packet);
    const std::size_t chunks = ChunkCount(packet[2]);
    for (std::size_t k = 0; k < chunks; ++k) {
        std::array<std::uint8_t, kChunkReportLength> report{};
        const std::size_t offset = std::min(k * kChunkLength, block.size());
        const auto chunk = block.subspan(offset, std::min(kChunkLength, block.size() - offset));
        std::copy(chunk.begin(), chunk.end(), report.begin() + 1);
        device.bus.Write(device.link.commandHandle, report, kDeviceTimeoutMs);
        device.clock.Sleep(kChunkPauseMs);
    }
}

void SendCommandReadingData(const DeviceContext& device, CommandPacket& packet,
                            std::span<std::uint8_t> block)
{
    SendFeature(device, packet);
    FetchReply(device, packet);
    const std::size_t chunks = ChunkCount(std::min<std::size_t>(packet[2], block.size()));
    std::vector<std::uint8_t> received(std::max<std::size_t>(device.link.commandInputReportLength,
                                                             kChunkReportLength));
    const auto request = std::span(received).first(device.link.commandInputReportLength);
    for (std::size_t k = 0; k < chunks; ++k) {
        std::fill(received.begin(), received.end(), 0);
        device.bus.Read(device.link.commandHandle, request, kDeviceTimeoutMs);
        const std::size_t offset = k * kChunkLength;
        const std::size_t count = std::min(kChunkLength, block.size() - offset);
        std::copy_n(received.begin() + 1, count, block.begin() + offset);
        device.clock.Sleep(kChunkPauseMs);
    }
}

}  // namespace norvale
