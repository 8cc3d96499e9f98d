#include "device/device_commands.h"

#include <algorithm>

#include "device/command_transport.h"
#include "device/hex_text.h"
#include "platform/debug_output.h"

namespace norvale {
namespace {

constexpr std::uint8_t kReadFirmwareVersion = 0x80;
constexpr std::uint8_t kSetFunctionOption = 0x01;
constexpr std::uint8_t kFunctionOptionSelector = 0x7C;
constexpr std::uint8_t kReadProfileIndex = 0x82;
constexpr std::uint8_t kReadProfileImage = 0x8C;
constexpr std::uint8_t kApplyPreamble = 0x02;
constexpr std::uint8_t kSetReportRate = 0x03;
constexpr std::uint8_t kWriteProfileImage = 0x0C;
constexpr std::uint8_t kWriteKeyMatrix = 0x0D;
constexpr std::uint8_t kWriteMacroBlock = 0x0F;

constexpr std::uint32_t kProfileImagePauseMs = 10;
constexpr std::uint32_t kKeyMatrixPauseMs = 2;
constexpr std::uint32_t kMacroBlockPauseMs = 50;

CommandPacket Packet(std::uint8_t code, std::uint8_t first = 0, std::uint8_t second = 0)
{
    return {code, first, second, 0, 0, 0, 0, 0};
}

std::wstring HexPair(std::uint8_t first, std::uint8_t second)
{
    return HexText(first, 2) + L"-" + HexText(second, 2);
}

void WriteBlock(const DeviceContext& device, std::uint8_t code, std::uint8_t index, const DeviceBlock& block,
                std::uint32_t pauseMs)
{
    CommandPacket packet = Packet(code, index, kDeviceBlockLength);
    SendCommandWithData(device, packet, block);
    device.clock.Sleep(pauseMs);
}

}  // namespace

FirmwareVersion QueryFirmwareVersion(const DeviceContext& device)
{
    CommandPacket packet = Packet(kReadFirmwareVersion);
    SendCommand(device, packet);
    return {packet[1], packet[2]};
}

void ReadFirmwareVersion(const DeviceContext& device)
{
    const FirmwareVersion version = QueryFirmwareVersion(device);
    DebugLine(L"FW version:" + HexPair(version.major, version.minor) + L"\n");
}

std::uint8_t FunctionOptionBits(std::uint8_t option0, std::uint8_t option1, std::uint8_t option2)
{
    return static_cast<std::uint8_t>((((option2 * 2) | option1) * 2) | option0);
}

void SetFunctionOption(const DeviceContext& device, std::uint8_t optionBits)
{
    CommandPacket packet = Packet(kSetFunctionOption, kFunctionOptionSelector, optionBits);
    SendCommand(device, packet);
    DebugLine(L"SetFunctionOption:" + HexPair(packet[1], packet[2]) + L"\n");
}

std::uint8_t ReadProfileIndex(const DeviceContext& device)
{
    CommandPacket packet = Packet(kReadProfileIndex);
    SendCommand(device, packet);
    return packet[1];
}

void ReadProfileImage(const DeviceContext& device, std::uint8_t profileIndex, DeviceBlock& slot)
{
    CommandPacket packet = Packet(kReadProfileImage, profileIndex);
    DeviceBlock received{};
    SendCommandReadingData(device, packet, received);
    const std::size_t announced = std::min<std::size_t>(packet[2], kDeviceBlockLength);
    std::copy_n(received.begin(), announced, slot.begin());
    device.clock.Sleep(kProfileImagePauseMs);
}

void SendApplyPreamble(const DeviceContext& device)
{
    CommandPacket packet = Packet(kApplyPreamble, 0x01);
    SendCommand(device, packet);
}

void SetReportRate(const DeviceContext& device, std::uint8_t profileIndex, std::uint8_t reportRate)
{
    CommandPacket packet = Packet(kSetReportRate, profileIndex, reportRate);
    SendCommand(device, packet);
}

void WriteProfileImage(const DeviceContext& device, std::uint8_t profileIndex, const DeviceBlock& image)
{
    WriteBlock(device, kWriteProfileImage, profileIndex, image, kProfileImagePauseMs);
}

void WriteKeyMatrix(const DeviceContext& device, std::uint8_t profileIndex, const DeviceBlock& matrix)
{
    WriteBlock(device, kWriteKeyMatrix, profileIndex, matrix, kKeyMatrixPauseMs);
}

void WriteMacroBlock(const DeviceContext& device, std::uint8_t blockNumber, const DeviceBlock& block)
{
    WriteBlock(device, kWriteMacroBlock, blockNumber, block, kMacroBlockPauseMs);
}

}  // namespace norvale
