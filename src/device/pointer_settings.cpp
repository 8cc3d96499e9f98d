#include "device/pointer_settings.h"

#include "platform/debug_output.h"

namespace norvale {

std::array<int, 3> MouseAccelerationFor(std::uint8_t pointerPrecision)
{
    if (pointerPrecision == 1) return {6, 10, 1};
    return {0, 0, 0};
}

unsigned MouseSpeedFor(std::uint8_t pointerSpeed)
{
    if (pointerSpeed == 1) return 1;
    return 2u * pointerSpeed - 2u;
}

unsigned WheelScrollLinesFor(std::uint8_t wheelPageScroll, std::uint8_t wheelLines)
{
    return wheelPageScroll != 0 ? kWheelPageScroll : wheelLines;
}

unsigned DoubleClickTimeFor(std::uint8_t doubleClickLevel) { return 970u - 70u * doubleClickLevel; }

void ApplyPointerSettings(PointerSettings& system, const PointerChoices& choices)
{
    if (!system.SetMouse(MouseAccelerationFor(choices.pointerPrecision))) DebugLine(L"SETMOUSE failed.\n");
    if (!system.SetMouseSpeed(MouseSpeedFor(choices.pointerSpeed))) DebugLine(L"SETMOUSESPEED failed.\n");
    if (!system.SetWheelScrollLines(WheelScrollLinesFor(choices.wheelPageScroll, choices.wheelLines)))
        DebugLine(L"SETWHEELSCROLLLINES failed.\n");
    if (!system.SetDoubleClickTime(DoubleClickTimeFor(choices.doubleClickLevel)))
        DebugLine(L"SPI_SETDOUBLECLICKTIME failed.\n");
}

}  // namespace norvale
