#pragma once
#include <cstdint>
#include <string>

namespace norvale {

// A keyboard event as the system-wide key capture reports it: the
// virtual-key code, the scan code and the event flags.
struct KeyEvent {
    std::uint32_t virtualKey = 0;
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0;
};

inline constexpr std::uint32_t kExtendedKeyFlag = 0x01;
inline constexpr std::uint32_t kKeyUpFlag = 0x80;

// The flags that matter to key capture: extended key and key up.
constexpr std::uint32_t CaptureFlags(const KeyEvent& event) { return event.flags & (kExtendedKeyFlag | kKeyUpFlag); }

// The code a captured event is named by: the keypad's Enter reports the main
// Enter's code with the extended flag and is named by 0x6C instead.
std::uint32_t CapturedVirtualKey(const KeyEvent& event);

// "vk code=%x,scan code=%x,key flag=%x\n" for the debug output, with the
// capture flags.
std::wstring KeyEventDebugLine(const KeyEvent& event);

}  // namespace norvale
