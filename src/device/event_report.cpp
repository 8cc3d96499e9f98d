#include "device/event_report.h"

#include "device/hex_text.h"

namespace norvale {

std::optional<DeviceEvent> ParseEventReport(std::span<const std::uint8_t> received)
{
    if (received.size() < 4 || received[0] != 0x06 || received[1] != 0x07) return std::nullopt;
    return DeviceEvent{received[2], received[3]};
}

std::wstring ListenerDebugLine(const DeviceEvent& event)
{
    return L"ReadThreadFun ReadBuffer[2]:0x" + HexText(event.code, 2) + L",ReadBuffer[3]:0x" +
           HexText(event.value, 2) + L"\n";
}

}  // namespace norvale
