#pragma once
#include <cstdint>

namespace norvale {

// The splash swallows every press, in the client area and on its frame, and
// every key, so nothing ends it early or drags it.
constexpr bool IsSwallowedBySplash(std::uint32_t message)
{
    switch (message) {
    case 0x00A1: case 0x00A4: case 0x00A7:  // WM_NC{L,R,M}BUTTONDOWN
    case 0x0100: case 0x0104:               // WM_KEYDOWN, WM_SYSKEYDOWN
    case 0x0201: case 0x0204: case 0x0207:  // WM_{L,R,M}BUTTONDOWN
        return true;
    default:
        return false;
    }
}

inline constexpr unsigned kSplashTimerId = 1;
inline constexpr unsigned kSplashMilliseconds = 3000;

}  // namespace norvale
