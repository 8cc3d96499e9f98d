#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace norvale {

// Keys travel through the utility as display names: a captured key is named
// from its virtual-key code, the name is shown and stored, and only the
// device encoding turns it into a HID keyboard usage. The names never depend
// on the keyboard layout or the system language.

// The name of a captured key; empty for a code no key name is known for
// (the generic Shift, Ctrl and Alt codes among them). Callers pass 0x6C for
// the Enter key of the numeric keypad.
std::wstring GetKeyStr(unsigned virtualKey);

// The name the mouse's usage stands for; "N/A" for a usage without a name.
std::wstring UsageToKeyName(std::uint8_t usage);

// The usage of a name, compared exactly (case-sensitive, whole name); 0 for
// a name without a usage, the empty name and "N/A" included.
std::uint8_t KeyNameToUsage(std::wstring_view name);

}  // namespace norvale
