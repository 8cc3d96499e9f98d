#pragma once
#include <string_view>

#include "text/ui_language.h"

namespace norvale {

// Text slots are numbered 0 … 601; 164 of those numbers carry text, the
// others are no slots at all.
inline constexpr int kUiTextSlotCount = 602;

bool IsUiTextSlot(int slot);

// The text that filling the table for `language` puts into `slot`: empty for
// a number that is no slot and for a slot the language leaves empty. The
// unknown language still gets the few slots that every code fills.
std::wstring_view UiTextIn(UiLanguage language, int slot);

}  // namespace norvale
