#include "settings/decimal_text.h"

#include <climits>

namespace norvale {

int DecimalValue(std::wstring_view text)
{
    std::size_t position = 0;
    while (position < text.size() && (text[position] == L' ' || text[position] == L'\t')) ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == L'+' || text[position] == L'-')) {
        negative = text[position] == L'-';
        ++position;
    }
    long long value = 0;
    for (; position < text.size() && text[position] >= L'0' && text[position] <= L'9'; ++position) {
        value = value * 10 + (text[position] - L'0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace norvale
