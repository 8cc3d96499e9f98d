#include "pages/dpi_page_model.h"

#include <gtest/gtest.h>

namespace norvale {
namespace {

// Stage s stands 30 pixels right of stage s − 1.
ui::Point ValueBox(int stage) { return {20 + 30 * stage, 182}; }
ui::Point Indicator(int stage) { return {25 + 30 * stage, 202}; }
ui::Point Swatch(int stage) { return {25 + 30 * stage, 215}; }
constexpr ui::Point kBackground{2, 240};

// The factory stages: 600, 1200, 2400, 3600, 5400, 7200 and 10800 DPI, all in use.
class DpiPageTest : public ::testing::Test {
protected:
    DpiPageTest() { RestoreDefaultSettings(live); }

    Settings live{};
    DpiPageModel page{live};
};

TEST_F(DpiPageTest, TypedValuesAreClampedAndStoredInUnitsOfFifty)
{
    const struct {
        std::wstring_view typed;
        std::uint8_t stored;
        std::wstring shown;
    } cases[] = {
        {L"75", 1, L"50"},       {L"0", 1, L"50"},          {L"175", 3, L"150"},
        {L"10799", 215, L"10750"}, {L"10801", 216, L"10800"}, {L"99999", 216, L"10800"},
    };
    for (const auto& [typed, stored, shown] : cases) {
        Settings settings{};
        settings.dpiStageEnabled[2] = 0;
        DpiPageModel fresh{settings};
        const DpiPageActions expected{SetDpiEditorText{2, shown}, SetDpiSlider{2, stored}, HideDpiEditors{},
                                      RepaintDpiPage{}};
        EXPECT_EQ(fresh.CommitEditor(2, typed), expected) << std::string(typed.begin(), typed.end());
        EXPECT_EQ(settings.dpiValue[2], stored);
        EXPECT_EQ(settings.dpiStageEnabled[2], 0) << "a typed value leaves the stage's use alone";
    }
}

TEST_F(DpiPageTest, EachStageIgnoresOnlyARepeatOfItsOwnLastCommit)
{
    EXPECT_FALSE(page.CommitEditor(1, L"800").empty());
    EXPECT_EQ(live.dpiValue[1], 16);
    // The value just committed into stage 1 is a new value for stage 2.
    EXPECT_FALSE(page.CommitEditor(2, L"800").empty());
    EXPECT_EQ(live.dpiValue[2], 16);

    // The second Enter message of one key press reads the same text again:
    // nothing happens and the editor stays open.
    page.Press(ValueBox(2), L"");
    ASSERT_EQ(page.OpenEditor(), 2);
    live.dpiValue[2] = 30;
    EXPECT_TRUE(page.CommitEditor(2, L"800").empty());
    EXPECT_EQ(live.dpiValue[2], 30);
    EXPECT_EQ(page.OpenEditor(), 2);
}

TEST_F(DpiPageTest, APressCommitsTheOpenEditorBeforeItOpensAnother)
{
    EXPECT_EQ(page.Press(ValueBox(3), L""),
              (DpiPageActions{HideDpiEditors{}, SetDpiEditorText{3, L"3600"}, ShowDpiEditor{3}, RepaintDpiPage{}}));
    EXPECT_EQ(page.OpenEditor(), 3);

    EXPECT_EQ(page.Press(ValueBox(5), L"1000"),
              (DpiPageActions{SetDpiEditorText{3, L"1000"}, SetDpiSlider{3, 20}, HideDpiEditors{},
                              SetDpiEditorText{5, L"7200"}, ShowDpiEditor{5}, RepaintDpiPage{}}));
    EXPECT_EQ(live.dpiValue[3], 20);
    EXPECT_EQ(page.OpenEditor(), 5);

    page.Press(kBackground, L"7300");
    EXPECT_EQ(live.dpiValue[5], 146);
    EXPECT_EQ(page.OpenEditor(), -1);
}

TEST_F(DpiPageTest, APressActsOnTheStageUnderThePointOnly)
{
    const RepaintDpiArea firstIndicator{{25, 202, 35, 211}};
    const struct {
        ui::Point point;
        DpiPageActions between;  // after hiding the editors, before the repaint
    } cases[] = {
        {{25, 202}, {firstIndicator}},
        {{34, 210}, {firstIndicator}},
        {{35, 202}, {}},
        {{24, 210}, {}},
        {{205, 210}, {RepaintDpiArea{{205, 202, 215, 211}}}},
        {{20, 182}, {SetDpiEditorText{0, L"600"}, ShowDpiEditor{0}}},
        {{44, 193}, {SetDpiEditorText{0, L"600"}, ShowDpiEditor{0}}},
        {{45, 182}, {}},
        {{20, 194}, {}},
        {{200, 182}, {SetDpiEditorText{6, L"10800"}, ShowDpiEditor{6}}},
        {{34, 224}, {ChooseDpiColour{0}}},
        {{35, 215}, {}},
        {{25, 225}, {}},
        {{205, 215}, {ChooseDpiColour{6}}},
    };
    for (const auto& [point, between] : cases) {
        Settings settings{};
        RestoreDefaultSettings(settings);
        DpiPageModel fresh{settings};
        DpiPageActions expected{HideDpiEditors{}};
        expected.insert(expected.end(), between.begin(), between.end());
        expected.emplace_back(RepaintDpiPage{});
        EXPECT_EQ(fresh.Press(point, L""), expected) << point.x << ", " << point.y;
    }
}

TEST_F(DpiPageTest, OnlyAStageInUseCanBeRecoloured)
{
    const DpiPageActions nothing{HideDpiEditors{}, RepaintDpiPage{}};
    live.dpiStageEnabled[4] = 0;
    EXPECT_EQ(page.Press(Swatch(4), L""), nothing);
    live.dpiStageEnabled[4] = 2;
    EXPECT_EQ(page.Press(Swatch(4), L""), nothing);

    page.Press(Indicator(4), L"");
    EXPECT_EQ(live.dpiStageEnabled[4], 0);
    page.Press(Indicator(4), L"");
    EXPECT_EQ(page.Press(Swatch(4), L""), (DpiPageActions{HideDpiEditors{}, ChooseDpiColour{4}, RepaintDpiPage{}}));

    page.StoreColour(4, {0x12, 0x34, 0x56});
    EXPECT_EQ(live.dpiColor[4], (Rgb{0x12, 0x34, 0x56}));
    EXPECT_EQ(page.SwatchColour(75), (Rgb{0x12, 0x34, 0x56}));
    EXPECT_EQ(page.SwatchColour(71), (Rgb{0xFF, 0x00, 0x00}));
    EXPECT_EQ(page.SwatchColour(70), std::nullopt);
    EXPECT_EQ(page.SwatchColour(78), std::nullopt);
}

TEST_F(DpiPageTest, ASliderStoresItsLowByteAndPutsTheStageInUse)
{
    live.dpiStageEnabled[3] = 0;
    page.Press(ValueBox(3), L"");
    EXPECT_EQ(page.MoveSlider(2030, 0x1A5),
              (DpiPageActions{HideDpiEditors{}, RepaintDpiArea{{115, 202, 125, 211}},
                              RepaintDpiArea{{110, 182, 135, 194}}}));
    EXPECT_EQ(live.dpiValue[3], 0xA5);
    EXPECT_EQ(live.dpiStageEnabled[3], 1);

    // The slider closed the editor: a later press has nothing to commit
    // that would take the value back.
    page.Press(kBackground, L"3600");
    EXPECT_EQ(live.dpiValue[3], 0xA5);
    // Turning the stage off keeps its value.
    page.Press(Indicator(3), L"");
    EXPECT_EQ(live.dpiStageEnabled[3], 0);
    EXPECT_EQ(live.dpiValue[3], 0xA5);

    const Settings before = live;
    EXPECT_TRUE(page.MoveSlider(2026, 5).empty());
    EXPECT_TRUE(page.MoveSlider(2034, 5).empty());
    EXPECT_EQ(live, before);
}

TEST_F(DpiPageTest, RefreshShowsTheStoredValuesAndClosesTheEditor)
{
    page.Press(ValueBox(1), L"");
    live.dpiValue[0] = 250;
    EXPECT_EQ(page.Refresh(), (DpiPageActions{SetDpiSlider{0, 250}, SetDpiSlider{1, 24}, SetDpiSlider{2, 48},
                                              SetDpiSlider{3, 72}, SetDpiSlider{4, 108}, SetDpiSlider{5, 144},
                                              SetDpiSlider{6, 216}, HideDpiEditors{}, RepaintDpiPage{}}));
    EXPECT_EQ(page.OpenEditor(), -1);
}

}  // namespace
}  // namespace norvale
