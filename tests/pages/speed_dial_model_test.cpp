#include "pages/speed_dial_model.h"

#include <gtest/gtest.h>

#include "support/debug_recorder.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr std::uint8_t kBefore = 4;

TEST(SpeedDial, APressOnTheRingSetsTheStepUnderItsAngle)
{
    // The dial's centre is (121, 91); the ring runs from r = 43 to r = 71.
    const struct {
        ui::Point press;
        std::uint8_t step;
    } cases[] = {
        {{181, 91}, 11},  // right of the centre, 0°
        {{164, 91}, 11},  // r = 43, the ring's inner edge
        {{181, 81}, 11},  // 9.5°
        {{121, 31}, 7},   // straight up, 90°
        {{121, 20}, 7},   // r = 71, the outer edge
        {{161, 51}, 9},   // 45°
        {{81, 51}, 4},    // 135°
        {{61, 81}, 2},    // 170.5°
        {{61, 86}, 1},    // 175.2°, counted as 185°
        {{61, 91}, 1},    // left of the centre, 180°
        {{121, 71}, kBefore},  // r = 20, in the hole
        {{121, 19}, kBefore},  // r = 72, outside
    };
    for (const auto& [press, step] : cases) {
        Settings live{};
        live.pointerSpeed = kBefore;
        EXPECT_TRUE(PointerSpeedDial(live).Press(press));
        EXPECT_EQ(live.pointerSpeed, step) << "(" << press.x << ", " << press.y << ")";
    }
}

TEST(SpeedDial, APressBelowTheCentreLineIsNotTheDials)
{
    Settings live{};
    live.pointerSpeed = 0;
    EXPECT_FALSE(PointerSpeedDial(live).Press({181, 92}));
    EXPECT_FALSE(PointerSpeedDial(live).Press({121, 150}));
    EXPECT_EQ(live.pointerSpeed, 0);
}

TEST(SpeedDial, APressOffTheRingStillLeavesAValidStep)
{
    for (const auto& [stored, kept] : {std::pair{0, 1}, std::pair{20, 11}}) {
        Settings live{};
        live.pointerSpeed = static_cast<std::uint8_t>(stored);
        PointerSpeedDial(live).Press({121, 91});
        EXPECT_EQ(live.pointerSpeed, kept);
    }
}

TEST(SpeedDial, TheDoubleClickDialEditsItsOwnFieldAndTracesEachPressOnTheRing)
{
    testing::DebugRecorder debug;
    Settings live{};
    live.pointerSpeed = kBefore;
    SpeedDialModel dial = DoubleClickDial(live);
    dial.Press({121, 31});
    EXPECT_EQ(live.doubleClickLevel, 7);
    dial.Press({161, 51});  // the dial's degrees per radian show in the last digit
    dial.Press({61, 91});
    dial.Press({121, 71});  // in the hole: no line
    EXPECT_EQ(debug.lines, (std::vector<std::wstring>{L"angle/18:angle=90.000000,angle/18=5\n",
                                                      L"angle/18:angle=45.000001,angle/18=2\n",
                                                      L"angle/18:angle=185.000000,angle/18=10\n"}));
    EXPECT_EQ(live.doubleClickLevel, 1);
    EXPECT_EQ(live.pointerSpeed, kBefore);

    PointerSpeedDial(live).Press({121, 31});
    EXPECT_EQ(debug.lines.size(), 3u) << "the pointer-speed dial traces nothing";
}

TEST(SpeedDial, PaintShowsTheNeedleOfTheStoredStepBetweenSlowAndFast)
{
    FillUiTexts(L"EN");
    Settings live{};
    live.doubleClickLevel = 6;
    const PaintList list = DoubleClickDial(live).Paint();
    EXPECT_EQ(list.background, L"Skins\\MouseAttribute\\BK_MouseAttribute.png");
    constexpr unsigned kRightLine = 0x0002 | 0x0004 | 0x0020;  // DT_RIGHT | DT_VCENTER | DT_SINGLELINE
    constexpr unsigned kLeftLine = 0x0000 | 0x0004 | 0x0020;
    EXPECT_EQ(list.ops, (std::vector<PaintOp>{
                            ImageOp{L"Skins\\/MouseAttribute/Speed/6.png", 50, 20},
                            TextOp{L"Slow", {5, 73, 50, 103}, kRightLine, 0xFFFFFF},
                            TextOp{L"Fast", {192, 73, 237, 103}, kLeftLine, 0xFFFFFF},
                        }));
}

}  // namespace
}  // namespace norvale
