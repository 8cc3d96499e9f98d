#pragma once
// Typed arguments of the messages the windows handle most, unpacked from
// wParam and lParam once, here, instead of in every handler. A handler of a
// message table takes one of these (or the raw Message) by const reference:
//   std::intptr_t OnMarkerChanged(const MarkerArgs& marker);
#include <cstdint>

#include "ui/geometry.h"
#include "ui/message.h"
#include "ui/window_handle.h"

namespace norvale::ui {

namespace detail {
constexpr std::uint16_t LowWord(std::uintmax_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }
constexpr std::uint16_t HighWord(std::uintmax_t value) { return static_cast<std::uint16_t>((value >> 16) & 0xFFFF); }
}  // namespace detail

// WM_COMMAND: a menu or accelerator command (no control), or a control's
// notification code and the control.
struct CommandArgs {
    std::uint16_t id = 0;
    std::uint16_t code = 0;
    WindowHandle control = WindowHandle::None;

    static constexpr CommandArgs From(const Message& m)
    {
        return {detail::LowWord(m.wParam), detail::HighWord(m.wParam),
                static_cast<WindowHandle>(static_cast<std::uintptr_t>(m.lParam))};
    }
};

// The mouse messages of a window's client area: the point is signed, since a
// window that holds the capture hears of points left of or above it.
struct MouseArgs {
    Point point;
    std::uint32_t keys = 0;  // MK_LBUTTON, MK_SHIFT, ...

    static constexpr MouseArgs From(const Message& m)
    {
        const auto lParam = static_cast<std::uintptr_t>(m.lParam);
        return {{static_cast<std::int16_t>(detail::LowWord(lParam)), static_cast<std::int16_t>(detail::HighWord(lParam))},
                static_cast<std::uint32_t>(m.wParam)};
    }
};

// WM_MOUSEWHEEL: the rotation in multiples of 120 (positive away from the
// user), the keys held, and the pointer in screen coordinates.
struct WheelArgs {
    int delta = 0;
    std::uint32_t keys = 0;
    Point screenPoint;

    static constexpr WheelArgs From(const Message& m)
    {
        const auto lParam = static_cast<std::uintptr_t>(m.lParam);
        return {static_cast<std::int16_t>(detail::HighWord(m.wParam)), detail::LowWord(m.wParam),
                {static_cast<std::int16_t>(detail::LowWord(lParam)), static_cast<std::int16_t>(detail::HighWord(lParam))}};
    }
};

// WM_VSCROLL and WM_HSCROLL: the request (SB_LINEUP, ...), the thumb's
// position for the thumb requests, and the bar control (none for the
// window's own bar).
struct ScrollArgs {
    std::uint16_t request = 0;
    std::uint16_t position = 0;
    WindowHandle bar = WindowHandle::None;

    static constexpr ScrollArgs From(const Message& m)
    {
        return {detail::LowWord(m.wParam), detail::HighWord(m.wParam),
                static_cast<WindowHandle>(static_cast<std::uintptr_t>(m.lParam))};
    }
};

// A point packed as mouse messages carry it: y in the high word, x in the low.
constexpr std::intptr_t PackPoint(Point point)
{
    const auto x = static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.x));
    const auto y = static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.y));
    return static_cast<std::intptr_t>(y << 16 | x);
}

// WM_DEVICECHANGE: the event (DBT_DEVICEARRIVAL, ...) and the address of the
// broadcast that describes the device, 0 when the event has none.
struct DeviceChangeArgs {
    std::uintptr_t event = 0;
    std::uintptr_t broadcast = 0;

    static constexpr DeviceChangeArgs From(const Message& m)
    {
        return {m.wParam, static_cast<std::uintptr_t>(m.lParam)};
    }
};

// WM_TIMER: which of the window's timers fired.
struct TimerArgs {
    std::uintptr_t id = 0;

    static constexpr TimerArgs From(const Message& m) { return {m.wParam}; }
};

// The program's own messages between its windows and threads.

// WM_TRAY_ICON_NOTIFY: the icon's id and the mouse message that happened on it.
struct TrayIconArgs {
    std::uintptr_t iconId = 0;
    std::intptr_t mouseMessage = 0;

    static constexpr TrayIconArgs From(const Message& m) { return {m.wParam, m.lParam}; }
};

// WM_DEVICE_NOTIFY: the event code and its value.
struct DeviceNotifyArgs {
    std::uintptr_t code = 0;
    std::intptr_t value = 0;

    static constexpr DeviceNotifyArgs From(const Message& m) { return {m.wParam, m.lParam}; }
};

// WM_PROFILE_ACTION: what the profile list did and at which profile position.
struct ProfileActionArgs {
    int action = 0;
    int position = 0;

    static constexpr ProfileActionArgs From(const Message& m)
    {
        return {static_cast<int>(m.wParam), static_cast<int>(m.lParam)};
    }
};

// WM_MACRO_KEY_EVENT: a recorded key went down (false) or up (true).
struct MacroKeyEventArgs {
    bool released = false;

    static constexpr MacroKeyEventArgs From(const Message& m) { return {m.wParam != 0}; }
};

// WM_MARKER_CHANGED and WM_MARKER_TRACKING: the slider's value and its control id.
struct MarkerArgs {
    int value = 0;
    int controlId = 0;

    static constexpr MarkerArgs From(const Message& m)
    {
        return {static_cast<int>(m.wParam), static_cast<int>(m.lParam)};
    }
};

// WM_LEBEDIT_END: which in-place editor finished, on which row.
struct ListEditEndArgs {
    int editorId = 0;
    int row = 0;

    static constexpr ListEditEndArgs From(const Message& m)
    {
        return {static_cast<int>(m.wParam), static_cast<int>(m.lParam)};
    }
};

// WM_SCROLLFRAME_LAYOUT: whether the wrapped window wants a vertical bar, and
// whether it stands on the left.
struct ScrollFrameLayoutArgs {
    bool verticalBar = false;
    bool barOnLeft = false;

    static constexpr ScrollFrameLayoutArgs From(const Message& m) { return {m.wParam != 0, m.lParam != 0}; }
};

}  // namespace norvale::ui
