#include "pages/lighting_page_paint.h"

#include <gtest/gtest.h>

#include "support/default_settings.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr unsigned kLine = 0x0000 | 0x0004 | 0x0020;          // DT_LEFT | DT_VCENTER | DT_SINGLELINE
constexpr unsigned kFromPoint = 0x0000 | 0x0020 | 0x0100 | 0x0800;  // DT_LEFT | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX

PaintOp Image(std::wstring name, int x, int y)
{
    return ImageOp{std::move(name), x, y};
}

PaintOp Text(std::wstring text, ui::Rect rect)
{
    return TextOp{std::move(text), rect, kLine, 0xFFFFFF};
}

PaintOp TextAt(std::wstring text, int x, int y)
{
    return TextOp{std::move(text), {x, y, x, y}, kFromPoint, 0xFFFFFF};
}

TEST(LightingPagePaint, FactorySettingsInEnglish)
{
    FillUiTexts(L"EN");
    const PaintList list = LightingPagePaintList(FactorySettings());
    EXPECT_EQ(list.background, L"Skins\\Lighting\\BK_Lighting.png");
    const std::vector<PaintOp> expected{
        Image(L"Skins/Disable.png", 10, 10),
        Image(L"Skins/Disable.png", 10, 39),
        Image(L"Skins/Enable.png", 10, 68),
        Image(L"Skins/Disable.png", 10, 102),
        Image(L"Skins/Enable.png", 100, 102),
        Image(L"Skins/Enable.png", 149, 102),
        Image(L"Skins/Enable.png", 198, 102),
        Text(L"Standard", {25, 5, 90, 24}),
        Text(L"Respiration", {25, 34, 90, 53}),
        Text(L"Neon", {25, 63, 90, 82}),
        Text(L"0%", {100, 23, 130, 38}),
        Text(L"25%", {125, 23, 155, 38}),
        Text(L"50%", {155, 23, 185, 38}),
        Text(L"75%", {185, 23, 215, 38}),
        Text(L"100%", {215, 23, 245, 38}),
        Text(L"4S", {100, 52, 130, 67}),
        Text(L"5S", {130, 52, 160, 67}),
        Text(L"6S", {160, 52, 190, 67}),
        Text(L"7S", {190, 52, 220, 67}),
        Text(L"8S", {220, 52, 250, 67}),
        Text(L"3S", {100, 81, 130, 96}),
        Text(L"6S", {130, 81, 160, 96}),
        Text(L"9S", {160, 81, 190, 96}),
        Text(L"12S", {190, 81, 220, 96}),
        Text(L"15S", {220, 81, 250, 96}),
        TextAt(L"Finger tapping", 22, 102),
        TextAt(L"L key", 111, 102),
        TextAt(L"R key", 160, 102),
        TextAt(L"M key", 209, 102),
    };
    EXPECT_EQ(list.ops, expected);
}

TEST(LightingPagePaint, AnUnknownEffectHasNoIndicatorAndOnlyOneTicksABox)
{
    FillUiTexts(L"CHS");
    Settings live = FactorySettings();
    live.lightBMode = 0;
    live.functionOption0 = 0;
    live.functionOption1 = 2;
    const PaintList list = LightingPagePaintList(live);
    ASSERT_EQ(list.ops.size(), 25u);
    const std::vector<PaintOp> boxes(list.ops.begin(), list.ops.begin() + 3);
    EXPECT_EQ(boxes, (std::vector{Image(L"Skins/Disable.png", 100, 102), Image(L"Skins/Disable.png", 149, 102),
                                  Image(L"Skins/Enable.png", 198, 102)}));
    EXPECT_EQ(list.ops[3], Text(L"\u4EAE\u5EA6\u8C03\u8282", {25, 5, 90, 24}));  // "Standard"
}

TEST(LightingPageFont, SimSunForSimplifiedChineseOnlyTwelvePixelsDefaultCharset)
{
    const struct {
        const wchar_t* code;
        std::wstring_view face;
    } cases[] = {
        {L"CHS", L"\u5B8B\u4F53"}, {L"CHT", L"\u9ED1\u4F53"}, {L"EN", L"Arial"},
        {L"DE", L"Arial"},         {L"chs", L"Arial"},        {L"", L"Arial"},
    };
    for (const auto& c : cases) {
        const FontSpec font = LightingPageFont(c.code);
        EXPECT_EQ(font.face, c.face) << c.code;
        EXPECT_EQ(font.height, 12);
        EXPECT_EQ(font.weight, 0);
        EXPECT_EQ(font.charset, 1);
        EXPECT_EQ(font.pitchAndFamily, 0x20);
    }
}

}  // namespace
}  // namespace norvale
