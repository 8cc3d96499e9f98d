#include "emulator/remote_protocol.h"

#include <charconv>

namespace norvale {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string HexBytes(std::span<const std::uint8_t> bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text)
{
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::vector<std::string> SplitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end > start) words.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::optional<unsigned long long> ParseNumber(std::string_view word)
{
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::string NarrowPath(const std::wstring& path)
{
    std::string narrow;
    for (const wchar_t c : path) narrow += (c > 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    return narrow;
}

std::wstring WidePath(std::string_view path) { return {path.begin(), path.end()}; }

}  // namespace norvale

namespace norvale {

EmulatorAddress ParseEmulatorAddress(std::string_view text)
{
    EmulatorAddress address;
    const std::size_t colon = text.rfind(':');
    const std::string_view host = text.substr(0, colon);
    if (colon != std::string_view::npos) {
        const auto port = ParseNumber(text.substr(colon + 1));
        if (!port || *port == 0 || *port > 0xFFFF) return address;
        address.port = static_cast<std::uint16_t>(*port);
    }
    if (!host.empty()) address.host = host;
    return address;
}

}  // namespace norvale
