#include "device/hex_text.h"

namespace norvale {

std::wstring HexText(unsigned value, int minDigits)
{
    static constexpr wchar_t digits[] = L"0123456789abcdef";
    std::wstring text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (static_cast<int>(text.size()) < minDigits) text.insert(0, minDigits - text.size(), L'0');
    return text;
}

}  // namespace norvale
