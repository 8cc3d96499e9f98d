#pragma once

namespace norvale {

// Command ids of the function catalogue, inside the main window's command
// range, that its tables do not carry themselves.
inline constexpr unsigned kKeyboardKeyCommand = 2011;
inline constexpr unsigned kMacroCommand = 2012;
inline constexpr unsigned kFirstDpiCommand = 2020;  // DPI up, down, loop

}  // namespace norvale
