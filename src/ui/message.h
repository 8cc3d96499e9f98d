#pragma once
#include <cstdint>
#include <type_traits>

namespace norvale::ui {

// A window message as the framework hands it to handlers, free of Windows
// types so that message tables and window models can be tested on the host.
struct Message {
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

inline constexpr std::uint32_t kCommandMessage = 0x0111;  // WM_COMMAND

// The command id of a WM_COMMAND: the low word of wParam.
constexpr std::uint16_t CommandId(const Message& message)
{
    return static_cast<std::uint16_t>(message.wParam & 0xFFFF);
}

// A notification that a control sent to its parent, as the parent hands it
// back to the control's own object (WM_COMMAND becomes Reflected(WM_COMMAND)).
// The base is the system's own for reflected control messages, clear of the
// numbers the program's windows send each other.
inline constexpr std::uint32_t kReflectedBase = 0x2000;
constexpr std::uint32_t Reflected(std::uint32_t message) { return kReflectedBase + message; }

// Handlers take either the message as it came or its typed arguments: a
// type with a static From(const Message&) (ui/message_crackers.h).
template <class Args>
Args Crack(const Message& message)
{
    if constexpr (std::is_same_v<Args, Message>) {
        return message;
    } else {
        return Args::From(message);
    }
}

}  // namespace norvale::ui
