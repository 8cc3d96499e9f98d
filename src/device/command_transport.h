#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "device/device_link.h"

namespace norvale {

// One device command: byte 0 is the code (bit 7 marks a read whose reply is
// fetched), bytes 1..6 its parameters; after a read the packet holds the
// reply, byte 7 included.
using CommandPacket = std::array<std::uint8_t, 8>;
using FeatureReport = std::array<std::uint8_t, 9>;

inline constexpr std::uint8_t kReadCommandBit = 0x80;
inline constexpr std::size_t kChunkLength = 64;
inline constexpr std::size_t kChunkReportLength = kChunkLength + 1;
// The mouse gets no acknowledgement; this pause after each chunk is its pacing.
inline constexpr std::uint32_t kChunkPauseMs = 100;
// A mouse that does not answer within this time reads as absent (zeros).
inline constexpr std::uint32_t kDeviceTimeoutMs = 1000;

// Report id 0, packet bytes 0..6 and the checksum (their 8-bit sum XOR 0xFF).
FeatureReport FeatureReportFor(const CommandPacket& packet);

// Sends the packet; a read command's reply overwrites it.
void SendCommand(const DeviceContext& device, CommandPacket& packet);

// Sends a write command and then packet byte 2 bytes of `block` in 64-byte
// chunks; a chunk that reaches past the block is padded with zeros.
void SendCommandWithData(const DeviceContext& device, CommandPacket& packet,
                         std::span<const std::uint8_t> block);

// Sends a read command and reads the block its reply announces into `block`,
// never more than `block` holds.
void SendCommandReadingData(const DeviceContext& device, CommandPacket& packet,
                            std::span<std::uint8_t> block);

}  // namespace norvale
