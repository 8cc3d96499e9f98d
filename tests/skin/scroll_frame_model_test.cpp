#include <gtest/gtest.h>

#include "skin/scroll_frame_model.h"

namespace norvale {
namespace {

// The settings column's frame, 260 x 561, with 13-pixel skinned bars over a
// system whose bars are 17 pixels wide.
constexpr ui::Size kFrame{260, 561};

TEST(ScrollFrameNonClient, StandardBarsKeepTheSkinnedThicknessAndSkinnedBarsLineTheEdges)
{
    struct Case {
        const char* name;
        ui::Rect measured;  // the client rectangle as the system measured it
        StandardBars bars;
        NonClientLayout expected;
    };
    const Case cases[] = {
        {"right", {0, 0, 243, 561}, {.vertical = true}, {{0, 0, 247, 561}, ui::Rect{247, 0, 260, 561}, {}, {}}},
        {"left", {17, 0, 260, 561}, {.vertical = true, .onLeft = true},
         {{13, 0, 260, 561}, ui::Rect{0, 0, 13, 561}, {}, {}}},
        {"bottom", {0, 0, 260, 544}, {.horizontal = true}, {{0, 0, 260, 548}, {}, ui::Rect{0, 548, 260, 561}, {}}},
        {"right and bottom", {0, 0, 243, 544}, {.vertical = true, .horizontal = true},
         {{0, 0, 247, 548}, ui::Rect{247, 0, 260, 548}, ui::Rect{0, 548, 247, 561}, CornerKind::BottomRight}},
        {"left and bottom", {17, 0, 260, 544}, {.vertical = true, .horizontal = true, .onLeft = true},
         {{13, 0, 260, 548}, ui::Rect{0, 0, 13, 548}, ui::Rect{13, 548, 260, 561}, CornerKind::BottomLeft}},
        {"none", {0, 0, 260, 561}, {.onLeft = true}, {{0, 0, 260, 561}, {}, {}, {}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayOutNonClient(c.measured, c.bars, 17, 13, kFrame), c.expected) << c.name;
    }
}

TEST(ScrollFrameClip, TheClippingWindowLeavesRoomForTheShownBars)
{
    EXPECT_EQ(LayOutClip(kFrame, 13, false, true, false), (ClipLayout{{0, 0, 247, 561}, 0}));
    // The standard bar's strip on the left lies left of the clipping window.
    EXPECT_EQ(LayOutClip(kFrame, 13, true, true, true), (ClipLayout{{13, 0, 260, 548}, -13}));
    EXPECT_EQ(LayOutClip(kFrame, 13, true, false, true), (ClipLayout{{0, 0, 260, 548}, 0}));
}

TEST(ScrollFrameCorner, TheBoxComesFromTheLastColumnIntoItsCorner)
{
    EXPECT_EQ(CornerBox(kFrame, 13, CornerKind::BottomRight), (SkinBlit{{104, 0, 117, 13}, {247, 548, 260, 561}}));
    EXPECT_EQ(CornerBox(kFrame, 13, CornerKind::BottomLeft), (SkinBlit{{104, 0, 117, 13}, {0, 548, 13, 561}}));
    EXPECT_EQ(CornerBox(kFrame, 13, CornerKind::None), std::nullopt);
}

TEST(ScrollFrameRefresh, ABarTakesChangedInformationAndIsEnabledOnlyWhenTheMaximumReachesThePage)
{
    const ScrollInfo shown{0, 999, 561, 120};
    EXPECT_EQ(RefreshBar(shown, shown), std::nullopt);
    const ScrollInfo changes[] = {{1, 999, 561, 120}, {0, 998, 561, 120}, {0, 999, 560, 120}, {0, 999, 561, 121}};
    for (const ScrollInfo& window : changes) EXPECT_EQ(RefreshBar(shown, window), (BarRefresh{window, true}));
    EXPECT_EQ(RefreshBar(shown, {0, 561, 561, 0}), (BarRefresh{{0, 561, 561, 0}, true}));
    EXPECT_EQ(RefreshBar(shown, {0, 560, 561, 0}), (BarRefresh{{0, 560, 561, 0}, false}));
}

}  // namespace
}  // namespace norvale
