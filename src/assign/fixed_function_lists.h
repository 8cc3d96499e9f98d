#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "text/ui_language.h"

namespace norvale {

// One entry of the multimedia, shortcut and Windows-command lists. These
// lists belong to the catalogue rather than the UI text table.
struct FixedListEntry {
    unsigned id;
    std::uint8_t code;  // the value stored for the button
    std::wstring_view en, chs, cht, de;
};

// Consumer-control codes (low byte of the usage), ids 2050 … 2057.
std::span<const FixedListEntry> MultimediaList();
// Keyboard usages of the letter the mouse combines with Ctrl, ids 2060 … 2069.
std::span<const FixedListEntry> ShortcutList();
// Positions 0 … 6, ids 2030 … 2036.
std::span<const FixedListEntry> WindowsCommandList();

// The text in the list's column of the language; English for any language
// the lists have no column for.
std::wstring_view FixedListText(const FixedListEntry& entry, UiLanguage language);

}  // namespace norvale
