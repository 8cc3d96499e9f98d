#include <gtest/gtest.h>

#include "skin/list_row_paint.h"

namespace norvale {
namespace {

// The macro window's name list: selected names white on dark red, the
// others as its colour query answered, white on grey.
constexpr ListItemColours kMacroNames{0x181848, 0xFFFFFF};
constexpr SurfaceColours kGreySurface{0xFFFFFF, 0x6D6D6D};

TEST(PaintListRow, TheSelectedRowTakesTheItemColoursTheOthersTheSurfaces)
{
    const ui::Rect rect{0, 32, 109, 48};
    const SurfaceColours blackOnWhite{0x000000, 0xFFFFFF};
    struct Case {
        bool selected;
        SurfaceColours surface;
        std::uint32_t fill;
        std::uint32_t text;
    };
    const Case cases[] = {
        {true, kGreySurface, 0x181848, 0xFFFFFF},
        {false, kGreySurface, 0x6D6D6D, 0xFFFFFF},
        {true, blackOnWhite, 0x181848, 0xFFFFFF},
        {false, blackOnWhite, 0xFFFFFF, 0x000000},
    };
    for (const Case& c : cases) {
        const std::optional<RowPaint> paint = PaintListRow(3, {L"Macro 2", rect, c.selected}, kMacroNames, c.surface);
        ASSERT_TRUE(paint.has_value());
        EXPECT_EQ(*paint, (RowPaint{rect, c.fill, TextOp{L"Macro 2", rect, kListRowFormat, c.text}, 0xFFFFFF}))
            << "selected " << c.selected << ", surface text " << c.surface.text;
    }
}

TEST(PaintListRow, LeavesTheSurfaceWithTheItemTextColourEvenAfterAnUnselectedRow)
{
    const ListItemColours item{0x181848, 0x00FFFF};
    const std::optional<RowPaint> paint = PaintListRow(1, {L"a", {}, false}, item, kGreySurface);
    ASSERT_TRUE(paint.has_value());
    EXPECT_EQ(paint->text.colour, 0xFFFFFFu);
    EXPECT_EQ(paint->surfaceTextColourAfter, 0x00FFFFu);
}

TEST(PaintListRow, WritesOneLineLeftAlignedAndVerticallyCentred)
{
    EXPECT_EQ(kListRowFormat, 36u);
}

TEST(PaintListRow, AnEmptyListDrawsNothing)
{
    EXPECT_FALSE(PaintListRow(0, {L"", {0, 0, 109, 16}, true}, kMacroNames, kGreySurface).has_value());
}

}  // namespace
}  // namespace norvale
