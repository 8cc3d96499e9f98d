#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "device/device_link.h"

namespace norvale {

inline constexpr std::size_t kDeviceBlockLength = 128;
using DeviceBlock = std::array<std::uint8_t, kDeviceBlockLength>;

struct FirmwareVersion {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
};
// The firmware version the mouse reports, zeros when it does not answer.
FirmwareVersion QueryFirmwareVersion(const DeviceContext& device);
// Logs it.
void ReadFirmwareVersion(const DeviceContext& device);

// The option byte: bits 0..2 are the left, right and middle buttons that
// trigger finger tapping; each option is 0 or 1.
std::uint8_t FunctionOptionBits(std::uint8_t option0, std::uint8_t option1, std::uint8_t option2);
void SetFunctionOption(const DeviceContext& device, std::uint8_t optionBits);

// The mouse's current profile index, 0 when it does not answer.
std::uint8_t ReadProfileIndex(const DeviceContext& device);
// Replaces the start of `slot` with the stored image, as long as the mouse announces.
void ReadProfileImage(const DeviceContext& device, std::uint8_t profileIndex, DeviceBlock& slot);

void SendApplyPreamble(const DeviceContext& device);
void SetReportRate(const DeviceContext& device, std::uint8_t profileIndex, std::uint8_t reportRate);
void WriteProfileImage(const DeviceContext& device, std::uint8_t profileIndex, const DeviceBlock& image);
void WriteKeyMatrix(const DeviceContext& device, std::uint8_t profileIndex, const DeviceBlock& matrix);
// blockNumber runs 1..12.
void WriteMacroBlock(const DeviceContext& device, std::uint8_t blockNumber, const DeviceBlock& block);

}  // namespace norvale
