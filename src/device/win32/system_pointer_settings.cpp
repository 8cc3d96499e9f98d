#include "device/win32/system_pointer_settings.h"

#include <windows.h>

namespace norvale {

bool SystemPointerSettings::SetMouse(const std::array<int, 3>& thresholdsAndAcceleration)
{
    std::array<int, 3> values = thresholdsAndAcceleration;
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values.data(), SPIF_SENDCHANGE) != FALSE;
}

bool SystemPointerSettings::SetMouseSpeed(unsigned speed)
{
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(speed)),
                                 SPIF_SENDCHANGE) != FALSE;
}

bool SystemPointerSettings::SetWheelScrollLines(unsigned lines)
{
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool SystemPointerSettings::SetDoubleClickTime(unsigned milliseconds)
{
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

}  // namespace norvale
