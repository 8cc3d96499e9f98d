#include <gtest/gtest.h>

#include "skin/ui_font.h"

namespace norvale {
namespace {

TEST(UiFontFace, ChineseCodesExactlyUseHeiTheRestArial)
{
    EXPECT_EQ(UiFontFace(L"CHS"), L"\u9ED1\u4F53");
    EXPECT_EQ(UiFontFace(L"CHT"), L"\u9ED1\u4F53");
    for (const wchar_t* code : {L"EN", L"DE", L"chs", L"CHS ", L""}) EXPECT_EQ(UiFontFace(code), L"Arial") << code;
}

}  // namespace
}  // namespace norvale
