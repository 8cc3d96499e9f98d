#include "app/event_report.h"

#include <cwchar>

namespace norvale {

std::optional<DeviceEvent> ParseEventReport(std::span<const std::uint8_t> received)
{
    if (received.size() < 4 || received[0] != 0x06 || received[1] != 0x07) return std::nullopt;
    return DeviceEvent{received[2], received[3]};
}

std::wstring ListenerDebugLine(const DeviceEvent& event)
{
    wchar_t line[64];
    std::swprintf(line, std::size(line), L"ReadThreadFun ReadBuffer[2]:0x%02x,ReadBuffer[3]:0x%02x\n",
                  static_cast<unsigned>(event.code), static_cast<unsigned>(event.value));
    return line;
}

}  // namespace norvale
