#pragma once
#include <cstdint>

namespace norvale {

// What a button does: `buttonKind` of the settings. 12 and 14 are never
// assigned.
enum class ButtonFunctionKind : std::uint8_t {
    Click = 0,
    Menu = 1,
    Scroll = 2,
    Forward = 3,
    Back = 4,
    DoubleClick = 5,
    DpiSwitch = 6,
    Multimedia = 7,
    ShortcutCommand = 8,
    WindowsCommand = 9,
    KeyboardKey = 10,
    Macro = 11,
    Deactivated = 13,
    LeftTiltScroll = 15,
    RightTiltScroll = 16,
    FnKey = 17,
    SnipeKey = 18,
};

}  // namespace norvale
