#include "settings/decimal_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace norvale {
namespace {

TEST(DecimalValue, ReadsTheLeadingNumberAsStoredCountsAreRead)
{
    const struct {
        std::wstring_view text;
        int expected;
    } cases[] = {
        {L"3", 3},          {L"  12x", 12},     {L"+7", 7},   {L"-1", -1}, {L"x", 0},
        {L"", 0},           {L"3 4", 3},        {L"- 5", 0},  {L"0006", 6},
        {L"99999999999", INT_MAX}, {L"-99999999999", INT_MIN},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(DecimalValue(text), expected) << std::string(text.begin(), text.end());
    }
}

}  // namespace
}  // namespace norvale
