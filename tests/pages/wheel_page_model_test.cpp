#include "pages/wheel_page_model.h"

#include <gtest/gtest.h>

#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr ui::Point kUpArrow{195, 18};
constexpr ui::Point kDownArrow{195, 26};
constexpr ui::Point kLinesOption{10, 20};
constexpr ui::Point kScreenOption{10, 55};

// The page with its lines box as the platform's edit control behaves: every
// text put into the box, the page's own included, is reported back at once.
class WheelPageTest : public ::testing::Test {
protected:
    WheelPageTest() { live.wheelLines = 3; }

    void Carry(const LinesBoxUpdate& update)
    {
        if (update.enabled) enabled = *update.enabled;
        if (update.text) Type(*update.text);
    }
    void Type(std::wstring text)
    {
        box = std::move(text);
        while (const auto putBack = page.TextChanged(box)) box = *putBack;
    }

    Settings live{};
    WheelPageModel page{live};
    std::wstring box;
    bool enabled = true;
};

TEST_F(WheelPageTest, ATypedNumberOutOfRangeShowsAndStoresOne)
{
    const struct {
        const wchar_t* typed;
        std::uint8_t stored;
        const wchar_t* shown;
    } cases[] = {
        {L"150", 1, L"1"}, {L"0", 1, L"1"},     {L"", 1, L"1"},     {L"101", 1, L"1"},
        {L"100", 100, L"100"}, {L"1", 1, L"1"}, {L"42", 42, L"42"},
    };
    for (const auto& [typed, stored, shown] : cases) {
        Type(typed);
        EXPECT_EQ(live.wheelLines, stored) << typed;
        EXPECT_EQ(box, shown) << typed;
    }
}

TEST_F(WheelPageTest, TheArrowsStepTheLinesWithinOneToAHundred)
{
    const struct {
        std::uint8_t before;
        ui::Point arrow;
        std::uint8_t after;
    } cases[] = {
        {3, kUpArrow, 4}, {100, kUpArrow, 100}, {3, kDownArrow, 2}, {1, kDownArrow, 1}, {0, kDownArrow, 1},
    };
    for (const auto& [before, arrow, after] : cases) {
        live.wheelLines = before;
        EXPECT_EQ(page.Press(arrow), (LinesBoxUpdate{std::nullopt, std::to_wstring(after)})) << int{before};
        EXPECT_EQ(live.wheelLines, after) << int{before};
    }
}

TEST_F(WheelPageTest, WithOneScreenChosenTheArrowsDoNothing)
{
    live.wheelPageScroll = 1;
    EXPECT_EQ(page.Press(kUpArrow), LinesBoxUpdate{});
    EXPECT_EQ(page.Press(kDownArrow), LinesBoxUpdate{});
    EXPECT_EQ(live.wheelLines, 3);
}

TEST_F(WheelPageTest, TheOptionsSwitchBetweenLinesAndOneScreen)
{
    EXPECT_EQ(page.Press(kScreenOption), (LinesBoxUpdate{false, std::nullopt}));
    EXPECT_EQ(live.wheelPageScroll, 1);
    EXPECT_EQ(page.Press(kLinesOption), (LinesBoxUpdate{true, L"3"}));
    EXPECT_EQ(live.wheelPageScroll, 0);
    EXPECT_EQ(page.Press({100, 40}), LinesBoxUpdate{});
    EXPECT_EQ(live.wheelPageScroll, 0);
}

TEST_F(WheelPageTest, RefreshingWithOneScreenChosenKeepsTheStoredLines)
{
    live.wheelPageScroll = 1;
    live.wheelLines = 7;
    Carry(page.Refresh());
    EXPECT_FALSE(enabled);
    EXPECT_EQ(box, L"7");
    EXPECT_EQ(live.wheelLines, 7);

    // Whatever else lands in the disabled box leaves the lines alone too.
    Type(L"0");
    EXPECT_EQ(live.wheelLines, 7);

    // Back to lines, the box shows them again, ready for typing.
    Carry(page.Press(kLinesOption));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(box, L"7");
    EXPECT_EQ(live.wheelLines, 7);
}

TEST_F(WheelPageTest, RefreshingWithLinesChosenEnablesTheBoxWithThem)
{
    enabled = false;
    live.wheelLines = 9;
    Carry(page.Refresh());
    EXPECT_TRUE(enabled);
    EXPECT_EQ(box, L"9");
    EXPECT_EQ(live.wheelLines, 9);
}

// A missing settings file leaves 0 lines; the page must not turn that into
// 1, which the next start would hand to the system as the user's setting.
TEST_F(WheelPageTest, ThePagesOwnTextNeverChangesTheLines)
{
    live.wheelLines = 0;
    Carry(page.Refresh());
    EXPECT_EQ(box, L"0");
    EXPECT_EQ(live.wheelLines, 0);

    Type(L"5");  // typing still takes the number
    EXPECT_EQ(live.wheelLines, 5);
    Carry(page.Press(kUpArrow));
    EXPECT_EQ(box, L"6");
    EXPECT_EQ(live.wheelLines, 6);
}

TEST_F(WheelPageTest, PaintMarksTheChosenOption)
{
    FillUiTexts(L"EN");
    constexpr unsigned kLeftLine = 0x0000 | 0x0004 | 0x0020;  // DT_LEFT | DT_VCENTER | DT_SINGLELINE
    const auto expected = [](const wchar_t* lines, const wchar_t* screen) {
        return std::vector<PaintOp>{
            ImageOp{lines, 5, 17},
            ImageOp{screen, 5, 50},
            ImageOp{L"Skins\\MouseAttribute\\ScrollSpeed\\ScrollLines.png", 150, 15},
            TextOp{L"Number of Rows", {24, 14, 148, 30}, kLeftLine, 0xFFFFFF},
            TextOp{L"Scroll One screenn", {24, 50, 156, 62}, kLeftLine, 0xFFFFFF},
        };
    };
    constexpr auto kOn = L"Skins\\MouseAttribute\\ScrollSpeed\\Enable.png";
    constexpr auto kOff = L"Skins\\MouseAttribute\\ScrollSpeed\\Disable.png";

    EXPECT_EQ(page.Paint().background, L"Skins\\MouseAttribute\\BK_ScrollSpeed.png");
    EXPECT_EQ(page.Paint().ops, expected(kOn, kOff));
    live.wheelPageScroll = 1;
    EXPECT_EQ(page.Paint().ops, expected(kOff, kOn));
}

}  // namespace
}  // namespace norvale
