#include <gtest/gtest.h>

#include <vector>

#include "skin/scroll_bar_paint.h"

namespace norvale {
namespace {

// The skin bitmap of 117 x 48 pixels: cells of 13 x 16.
constexpr ui::Size kCell = ScrollSkinCell({117, 48});

ScrollBarModel Bar(bool vertical, int length, const ScrollInfo& info)
{
    ScrollBarModel bar(vertical);
    bar.SetThickness(kCell.width);
    bar.SetLength(length);
    bar.SetInfo(info);
    return bar;
}

TEST(ScrollBarPaint, DrawsEveryPixelOfTheBarOnceFromTheVerticalColumns)
{
    ASSERT_EQ(kCell, (ui::Size{13, 16}));
    // Thumb 13 ... 313, track below it down to the arrow at 548.
    const std::vector<SkinBlit> blits = PaintScrollBar(Bar(true, 561, {0, 999, 561, 0}), kCell);
    ASSERT_EQ(blits.size(), 91u);  // arrow, cap, 72 middles, cap, 15 track tiles, arrow
    int next = 0;
    for (const SkinBlit& blit : blits) {
        EXPECT_EQ(blit.target.top, next);
        EXPECT_EQ(blit.target.left, 0);
        EXPECT_EQ(blit.target.right, 13);
        next = blit.target.bottom;
    }
    EXPECT_EQ(next, 561);

    EXPECT_EQ(blits[0], (SkinBlit{{0, 0, 13, 16}, {0, 0, 13, 13}}));        // up arrow, squeezed
    EXPECT_EQ(blits[1], (SkinBlit{{26, 0, 39, 6}, {0, 13, 13, 19}}));       // thumb's top cap
    EXPECT_EQ(blits[2], (SkinBlit{{26, 6, 39, 10}, {0, 19, 13, 23}}));      // its middle, tiled
    EXPECT_EQ(blits[74], (SkinBlit{{26, 10, 39, 16}, {0, 307, 13, 313}}));  // its bottom cap
    EXPECT_EQ(blits[75], (SkinBlit{{39, 0, 52, 16}, {0, 313, 13, 329}}));   // track
    EXPECT_EQ(blits[89], (SkinBlit{{39, 0, 52, 11}, {0, 537, 13, 548}}));   // last tile cut short
    EXPECT_EQ(blits[90], (SkinBlit{{13, 0, 26, 16}, {0, 548, 13, 561}}));   // down arrow
}

TEST(ScrollBarPaint, PartsTakeTheRowOfTheirState)
{
    ScrollBarModel bar = Bar(true, 561, {0, 999, 561, 0});
    bar.Move({6, 100});  // over the thumb
    EXPECT_EQ(PaintScrollBar(bar, kCell)[1].source, (ui::Rect{26, 16, 39, 22}));
    bar.Press({6, 100});
    EXPECT_EQ(PaintScrollBar(bar, kCell)[1].source, (ui::Rect{26, 32, 39, 38}));
    EXPECT_EQ(PaintScrollBar(bar, kCell)[0].source, (ui::Rect{0, 0, 13, 16}));
}

TEST(ScrollBarPaint, AHorizontalBarUsesItsOwnColumnsAlongItsWidth)
{
    // Thumb 13 ... 50, track 50 ... 87.
    const std::vector<SkinBlit> blits = PaintScrollBar(Bar(false, 100, {0, 99, 50, 0}), kCell);
    ASSERT_EQ(blits.size(), 32u);  // arrow, cap, 25 one-pixel middles, cap, 3 track tiles, arrow
    EXPECT_EQ(blits[0], (SkinBlit{{52, 0, 65, 16}, {0, 0, 13, 13}}));
    EXPECT_EQ(blits[1], (SkinBlit{{78, 0, 84, 16}, {13, 0, 19, 13}}));
    EXPECT_EQ(blits[2], (SkinBlit{{84, 0, 85, 16}, {19, 0, 20, 13}}));
    EXPECT_EQ(blits[27], (SkinBlit{{85, 0, 91, 16}, {44, 0, 50, 13}}));
    EXPECT_EQ(blits[30], (SkinBlit{{91, 0, 102, 16}, {76, 0, 87, 13}}));
    EXPECT_EQ(blits[31], (SkinBlit{{65, 0, 78, 16}, {87, 0, 100, 13}}));
}

}  // namespace
}  // namespace norvale
