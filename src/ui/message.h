#pragma once
#include <cstdint>

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

}  // namespace norvale::ui
