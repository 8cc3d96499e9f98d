#include <gtest/gtest.h>

#include "app/section_layout.h"

namespace norvale {
namespace {

constexpr int kAssignmentHeight = 160;  // H_a
constexpr int kAxisHeight = 150;        // H_x
constexpr ui::Rect kLeftColumn{20, 107, 262, 706};

Sections Measured()
{
    Sections sections;
    sections.SetPanelHeights(kAssignmentHeight, kAxisHeight);
    return sections;
}

TEST(SectionLayout, OpeningButtonAssignmentMovesTheHeadersDownByItsPanelHeight)
{
    Sections sections = Measured();
    const SectionLayout open = sections.LayoutAssignmentSection(false);
    EXPECT_FALSE(sections.AssignmentCollapsed());
    EXPECT_EQ(open.functionButtons, Visibility::Show);
    EXPECT_EQ(open.axisSliders, Visibility::Unchanged);
    EXPECT_EQ(open.macroHeader, (ui::Rect{20, 292, 262, 330}));
    EXPECT_EQ(open.axisHeader, (ui::Rect{20, 335, 262, 355}));
    EXPECT_EQ(open.xSlider, (ui::Rect{37, 395, 245, 404}));
    EXPECT_EQ(open.ySlider, (ui::Rect{37, 455, 245, 464}));
    EXPECT_EQ(open.liftOffHeader, (ui::Rect{20, 360, 262, 380}));
    EXPECT_EQ(open.repaint, kLeftColumn);

    const SectionLayout closed = sections.LayoutAssignmentSection(true);
    EXPECT_EQ(closed.functionButtons, Visibility::Hide);
    EXPECT_EQ(closed.macroHeader, (ui::Rect{20, 132, 262, 170}));
    EXPECT_EQ(closed.axisHeader, (ui::Rect{20, 175, 262, 195}));
    EXPECT_EQ(closed.xSlider, (ui::Rect{37, 235, 245, 244}));
    EXPECT_EQ(closed.liftOffHeader, (ui::Rect{20, 200, 262, 220}));
}

TEST(SectionLayout, TheAxisPanelOpensBelowTheMovedHeader)
{
    Sections sections = Measured();
    sections.LayoutAssignmentSection(false);
    const SectionLayout axis = sections.LayoutAxisSection(false);
    EXPECT_EQ(sections.AxisTop(), 355);
    EXPECT_EQ(axis.axisSliders, Visibility::Show);
    EXPECT_EQ(axis.functionButtons, Visibility::Unchanged);
    EXPECT_FALSE(axis.macroHeader);
    EXPECT_EQ(axis.xSlider, (ui::Rect{37, 395, 245, 404}));
    EXPECT_EQ(axis.ySlider, (ui::Rect{37, 455, 245, 464}));
    EXPECT_EQ(axis.liftOffHeader, (ui::Rect{20, 510, 262, 530}));

    // Closing the assignment above an open axis panel keeps the panel's height.
    EXPECT_EQ(sections.LayoutAssignmentSection(true).liftOffHeader, (ui::Rect{20, 350, 262, 370}));

    const SectionLayout closed = sections.LayoutAxisSection(true);
    EXPECT_EQ(closed.axisSliders, Visibility::Hide);
    EXPECT_FALSE(closed.xSlider);
    EXPECT_EQ(closed.liftOffHeader, (ui::Rect{20, 200, 262, 220}));
}

TEST(SectionLayout, MissingPanelPicturesOpenWithoutMovingAnything)
{
    Sections sections;
    const SectionLayout open = sections.LayoutAssignmentSection(false);
    EXPECT_EQ(open.axisHeader, (ui::Rect{20, 175, 262, 195}));
    EXPECT_EQ(sections.LayoutAxisSection(false).liftOffHeader, (ui::Rect{20, 200, 262, 220}));
}

TEST(SectionLayout, CollapsingClosesAllThreeAndResizesThePages)
{
    Sections sections = Measured();
    sections.LayoutAssignmentSection(false);
    sections.LayoutAxisSection(false);
    const CollapsedLayout collapsed = sections.CollapseSections();
    EXPECT_EQ(collapsed.pageContainerLayout, (ui::Size{230, 563}));
    EXPECT_EQ(collapsed.assignment.functionButtons, Visibility::Hide);
    EXPECT_EQ(collapsed.axis.axisSliders, Visibility::Hide);
    EXPECT_EQ(collapsed.axis.liftOffHeader, (ui::Rect{20, 200, 262, 220}));
    EXPECT_TRUE(sections.AssignmentCollapsed());
    EXPECT_TRUE(sections.AxisCollapsed());
    EXPECT_TRUE(sections.LiftOffCollapsed());
}

}  // namespace
}  // namespace norvale
