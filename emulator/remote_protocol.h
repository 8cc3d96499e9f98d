#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvale {

// Text helpers shared by the emulator's server and its remote client. Lines
// are words separated by single spaces; bytes travel as contiguous
// upper-case hex; interface paths are ASCII and contain no spaces.
inline constexpr std::uint16_t kDefaultEmulatorPort = 47800;

struct EmulatorAddress {
    std::string host = "127.0.0.1";
    std::uint16_t port = kDefaultEmulatorPort;
};

// "host:port" or "host"; the default address for an empty or broken text.
EmulatorAddress ParseEmulatorAddress(std::string_view text);

std::string HexBytes(std::span<const std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

std::vector<std::string> SplitWords(std::string_view line);
std::optional<unsigned long long> ParseNumber(std::string_view word);

std::string NarrowPath(const std::wstring& path);
std::wstring WidePath(std::string_view path);

}  // namespace norvale
