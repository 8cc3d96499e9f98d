#pragma once

namespace norvale {

// Command ids of the function catalogue, inside the main window's command
// range. Each range runs in its list's order.
inline constexpr unsigned kKeyboardKeyCommand = 2011;
inline constexpr unsigned kMacroCommand = 2012;
inline constexpr unsigned kFirstDpiCommand = 2020;  // DPI up, down, loop
inline constexpr unsigned kFirstWindowsCommand = 2030;
inline constexpr unsigned kFirstMultimediaCommand = 2050;
inline constexpr unsigned kFirstShortcutCommand = 2060;

}  // namespace norvale
