#include "emulator/device_trace.h"

namespace norvale {

std::string SpacedHex(std::span<const std::uint8_t> bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) text += ' ';
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

std::uint32_t DeviceTrace::Elapsed(std::uint32_t now)
{
    if (!origin_) origin_ = now;
    return now - *origin_;
}

void DeviceTrace::Report(std::uint32_t now, const char* kind, std::span<const std::uint8_t> bytes)
{
    lines_.push_back(std::to_string(Elapsed(now)) + " " + kind + " " + SpacedHex(bytes));
}

void DeviceTrace::Violation(std::uint32_t now, const std::string& text)
{
    violations_.push_back(text);
    lines_.push_back(std::to_string(Elapsed(now)) + " VIOLATION " + text);
}

void DeviceTrace::Clear()
{
    origin_.reset();
    lines_.clear();
    violations_.clear();
}

std::string DeviceTrace::Text() const
{
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return text;
}

}  // namespace norvale
