// One line per setting, "name value…", in the order the utility sets them.
#include <windows.h>

#include <cstdio>

int wmain()
{
    int mouse[3] = {};
    int speed = 0;
    UINT wheelLines = 0;
    const bool read = SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0) &&
                      SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) &&
                      SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    if (!read) return 1;
    std::printf("mouse %d %d %d\nspeed %d\nwheel %u\ndouble-click %u\n", mouse[0], mouse[1], mouse[2], speed,
                wheelLines, GetDoubleClickTime());
    return 0;
}
