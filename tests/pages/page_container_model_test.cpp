#include "pages/page_container_model.h"

#include <gtest/gtest.h>

namespace norvale {
namespace {

using R = ColumnScrollRequest;

// The measured page pictures: DPI, lighting, polling rate, pointer speed,
// double-click, wheel, angle snapping.
const std::array<ui::Size, kPageSectionCount> kPages{
    {{242, 232}, {242, 122}, {242, 136}, {242, 112}, {242, 112}, {242, 76}, {242, 64}}};

class PageContainerTest : public ::testing::Test {
protected:
    PageContainerTest() { column.SetLayoutSize({230, 563}); }

    std::array<int, kPageSectionCount> HeaderTops() const
    {
        std::array<int, kPageSectionCount> tops{};
        for (int k = 0; k < kPageSectionCount; ++k) tops[k] = column.HeaderRect(k).top;
        return tops;
    }

    PageContainerModel column{kPages};
};

TEST_F(PageContainerTest, HeadersStartTwentyFivePixelsApart)
{
    EXPECT_EQ(HeaderTops(), (std::array{2, 27, 52, 77, 102, 127, 152}));
    EXPECT_EQ(column.HeaderRect(6), (ui::Rect{0, 152, 242, 172}));
    EXPECT_EQ(column.ContentHeight(), 563);
}

TEST_F(PageContainerTest, OpeningAndClosingRestacksEverythingBelowWithFivePixelGaps)
{
    const SectionToggle dpi = column.Toggle(0);
    EXPECT_TRUE(dpi.opened);
    EXPECT_EQ(dpi.page, (ui::Rect{0, 22, 242, 254}));
    EXPECT_EQ(HeaderTops(), (std::array{2, 259, 284, 309, 334, 359, 384}));
    EXPECT_EQ(dpi.headers.size(), 6u);
    EXPECT_EQ(dpi.headers.front(), (std::pair{1, ui::Rect{0, 259, 242, 279}}));

    const SectionToggle lighting = column.Toggle(1);
    EXPECT_EQ(lighting.page, (ui::Rect{0, 279, 242, 401}));
    EXPECT_EQ(HeaderTops(), (std::array{2, 259, 406, 431, 456, 481, 506}));

    // Closing the upper one carries the open lighting page up with its header.
    const SectionToggle closed = column.Toggle(0);
    EXPECT_FALSE(closed.opened);
    EXPECT_EQ(HeaderTops(), (std::array{2, 27, 174, 199, 224, 249, 274}));
    EXPECT_EQ(closed.pages, (std::vector<std::pair<int, ui::Rect>>{{1, {0, 47, 242, 169}}}));

    column.Toggle(1);
    EXPECT_EQ(HeaderTops(), (std::array{2, 27, 52, 77, 102, 127, 152}));
}

TEST_F(PageContainerTest, ContentHeightFollowsTheOpenPagesAndNeverDropsBelow563)
{
    column.Toggle(0);
    EXPECT_EQ(column.ContentHeight(), 563);  // 120 + 242
    for (int k = 1; k < kPageSectionCount; ++k) column.Toggle(k);
    EXPECT_EQ(column.ContentHeight(), 1044);  // 120 + the seven pages + 7 × 10
    EXPECT_EQ(column.OpenSectionsBottomUp(), (std::vector{6, 5, 4, 3, 2, 1, 0}));
    for (const int k : column.OpenSectionsBottomUp()) column.Toggle(k);
    EXPECT_EQ(column.ContentHeight(), 563);
    EXPECT_TRUE(column.OpenSectionsBottomUp().empty());
}

TEST_F(PageContainerTest, AllClosedTheColumnScrollsByTwoPixelsAtMost)
{
    EXPECT_EQ(column.RecomputeScroll(561), 0);
    EXPECT_EQ(column.Scroll(), (ColumnScroll{562, 561, 0}));
    EXPECT_EQ(column.Request(R::LineDown), 2);
    EXPECT_EQ(column.Request(R::PageDown), 0);
    EXPECT_EQ(column.Request(R::LineUp), -2);
}

TEST_F(PageContainerTest, RequestsMoveByLinesPagesAndThumbWithinTheRange)
{
    for (int k = 0; k < kPageSectionCount; ++k) column.Toggle(k);
    column.RecomputeScroll(561);
    EXPECT_EQ(column.Request(R::LineDown), 60);
    EXPECT_EQ(column.Request(R::PageDown), 561 - 138);  // clamped to 1044 − 561
    EXPECT_EQ(column.Scroll().position, 483);
    EXPECT_EQ(column.Request(R::ThumbTrack, 100), -383);
    EXPECT_EQ(column.Request(R::PageUp), -100);

    // A smaller window keeps the same share of the content above it.
    column.Request(R::ThumbPosition, 300);
    EXPECT_EQ(column.RecomputeScroll(500), 300 - 267);
    EXPECT_EQ(column.Scroll(), (ColumnScroll{1043, 500, 267}));
}

TEST_F(PageContainerTest, AColumnThatDoesNotScrollIgnoresRequestsAndTheWheel)
{
    column.SetLayoutSize({230, 400});
    column.RecomputeScroll(561);
    EXPECT_EQ(column.Scroll(), (ColumnScroll{}));
    EXPECT_EQ(column.Request(R::LineDown), 0);
    EXPECT_EQ(column.Wheel(-120, 3), std::nullopt);
}

TEST_F(PageContainerTest, AWheelNotchScrollsByTheSystemsLinesOrOneScreen)
{
    column.Toggle(0);
    column.Toggle(1);
    column.Toggle(2);
    column.RecomputeScroll(561);
    EXPECT_EQ(column.Wheel(-120, 3), (std::vector{R::LineDown}));            // 60 pixels
    EXPECT_EQ(column.Wheel(-120, 10), (std::vector{R::LineDown, R::LineDown, R::LineDown}));  // 180
    EXPECT_EQ(column.Wheel(240, 3), (std::vector{R::LineUp, R::LineUp}));   // 6 lines: 2 steps
    EXPECT_EQ(column.Wheel(120, 0xFFFFFFFFu), (std::vector{R::PageUp}));
    EXPECT_EQ(column.Wheel(-120, 0xFFFFFFFFu), (std::vector{R::PageDown}));
}

}  // namespace
}  // namespace norvale
