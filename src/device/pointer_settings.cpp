#include "device/pointer_settings.h"

#include <string>

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

namespace {

bool InRange(std::uint8_t value, std::uint8_t lowest, std::uint8_t highest)
{
    return value >= lowest && value <= highest;
}

// A value no page can produce (a missing, short or damaged settings file)
// leaves the system's own setting alone: these are the user's settings for
// every program.
bool Pushable(const wchar_t* field, std::uint8_t value, std::uint8_t lowest, std::uint8_t highest)
{
    if (InRange(value, lowest, highest)) return true;
    DebugLine(std::wstring(field) + L" " + std::to_wstring(value) + L" is out of range; the system's value is kept.\n");
    return false;
}

bool WheelPushable(const PointerChoices& choices)
{
    if (!Pushable(L"wheelPageScroll", choices.wheelPageScroll, 0, 1)) return false;
    return choices.wheelPageScroll == 1 || Pushable(L"wheelLines", choices.wheelLines, 1, 100);
}

}  // namespace

void ApplyPointerSettings(PointerSettings& system, const PointerChoices& choices)
{
    // Files hold 1 (on) or another value (off; the factory files hold 6);
    // only a missing or short file leaves 0.
    if (Pushable(L"pointerPrecision", choices.pointerPrecision, 1, 255) &&
        !system.SetMouse(MouseAccelerationFor(choices.pointerPrecision)))
        DebugLine(L"SETMOUSE failed.\n");
    if (Pushable(L"pointerSpeed", choices.pointerSpeed, 1, 11) &&
        !system.SetMouseSpeed(MouseSpeedFor(choices.pointerSpeed)))
        DebugLine(L"SETMOUSESPEED failed.\n");
    if (WheelPushable(choices) &&
        !system.SetWheelScrollLines(WheelScrollLinesFor(choices.wheelPageScroll, choices.wheelLines)))
        DebugLine(L"SETWHEELSCROLLLINES failed.\n");
    if (Pushable(L"doubleClickLevel", choices.doubleClickLevel, 1, 11) &&
        !system.SetDoubleClickTime(DoubleClickTimeFor(choices.doubleClickLevel)))
        DebugLine(L"SPI_SETDOUBLECLICKTIME failed.\n");
}

}  // namespace norvale
