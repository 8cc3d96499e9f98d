#pragma once
#include <string>

namespace norvale {

// Lower-case hexadecimal with at least `minDigits` digits, as the device
// debug lines print numbers.
std::wstring HexText(unsigned value, int minDigits);

}  // namespace norvale
