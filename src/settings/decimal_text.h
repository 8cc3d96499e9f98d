#pragma once
#include <string_view>

namespace norvale {

// The number at the start of a stored text, read as the C runtime's _wtoi
// reads it: leading blanks, an optional sign, then digits up to the first
// non-digit. Text without digits reads as 0; values beyond the int range
// saturate instead of overflowing.
int DecimalValue(std::wstring_view text);

}  // namespace norvale
