#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_window_state.h"

namespace norvale {

// What the macro window does to the list of macros and to the selected
// macro's lines by hand. None of these writes the store; the window stores
// the macro afterwards.

// The name New gives the next macro: the macro word and a number one past
// the number after the first "_" of the last name, or one past the count
// when the last name has none. A name already in the list is never given:
// the number goes on up until the name is free. Nothing at the 12-macro limit.
std::optional<std::wstring> NewMacroName(const std::vector<std::wstring>& names, std::wstring_view macroWord);

// Whether a line is a pause ("50 ms") rather than a key or button line.
bool IsDelayLine(std::wstring_view line);

// Press and release lines of a mouse button ("L-Button", "M-Button",
// "R-Button") after the selected line; the press stays selected after a
// delay line, the release after any other line. False without a selection.
bool InsertMouseButtonLines(MacroWindowState& state, std::wstring_view button);

// "50 ms" before the selected line, which stays selected. Refused (false)
// for the first line and next to a pause already there.
bool InsertDelayLine(MacroWindowState& state);

// Removes the selected line; no line is selected afterwards.
bool DeleteSelectedLine(MacroWindowState& state);

// A double-click on line `line`: true when its delay editor opens, which
// takes a second double-click on the same pause line.
bool DoubleClickOpensDelayEditor(MacroWindowState& state, std::size_t line);

// Whether a macro at `position` may be renamed to `name`. A store section is
// named after its macro, so an empty name, one that another macro has, or one
// the store's format cannot hold ("[", "]", "=", a line break, blanks at
// either end) would merge two macros or lose one.
bool IsAcceptableMacroName(const std::vector<std::wstring>& names, std::size_t position, std::wstring_view name);

}  // namespace norvale
