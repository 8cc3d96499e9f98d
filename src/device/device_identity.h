#pragma once
#include <cstdint>

namespace norvale {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xB62E;

inline constexpr std::uint16_t kCommandUsagePage = 0xFF00;
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::uint16_t kCommandFeatureReportLength = 9;

inline constexpr std::uint16_t kEventUsagePage = 0xFF01;
inline constexpr std::uint16_t kEventUsage = 0x0001;

}  // namespace norvale
