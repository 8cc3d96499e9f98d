#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace norvale {

// The device side's record of every report, "<t> <KIND> <HEX>", t in
// milliseconds since the first report, and of every violation of the
// protocol, which also appears in the trace as "<t> VIOLATION <text>".
class DeviceTrace {
public:
    void Report(std::uint32_t now, const char* kind, std::span<const std::uint8_t> bytes);
    void Violation(std::uint32_t now, const std::string& text);
    void Clear();

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<std::string>& Violations() const { return violations_; }
    std::string Text() const;

private:
    std::uint32_t Elapsed(std::uint32_t now);

    std::optional<std::uint32_t> origin_;
    std::vector<std::string> lines_;
    std::vector<std::string> violations_;
};

// Upper-case two-digit hex of each byte, separated by single spaces.
std::string SpacedHex(std::span<const std::uint8_t> bytes);

}  // namespace norvale
