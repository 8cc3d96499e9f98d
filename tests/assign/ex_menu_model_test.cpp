#include <gtest/gtest.h>

#include "assign/ex_menu_model.h"

namespace norvale {
namespace {

TEST(ExMenuModel, ItemWidthIsEightPixelsPerCharacterOfTheLongestText)
{
    ExMenuModel menu;
    EXPECT_EQ(menu.ItemWidth(), 0);
    menu.Append(1001, L"New", 1);
    EXPECT_EQ(menu.ItemWidth(), 24);
    menu.Append(1002, L"Delete", 2);
    menu.Append(1003, L"Cut", 3);
    EXPECT_EQ(menu.ItemWidth(), 48);
    EXPECT_EQ(menu.ItemCount(), 3);
    menu.SetItemWidth(120);
    EXPECT_EQ(menu.Measure(1002, 2), (MenuItemSize{120, 20}));
}

TEST(ExMenuModel, RowHeightsBySeparatorIdOneAndEverythingElse)
{
    ExMenuModel menu;
    menu.Append(2001, L"Click", 11);
    menu.Append(kMenuSeparatorId, L"", 12);
    EXPECT_EQ(menu.Measure(2001, 11).height, 20);
    EXPECT_EQ(menu.Measure(0, 0).height, 5);
    EXPECT_EQ(menu.Measure(0, 12).height, 5);
    EXPECT_EQ(menu.Measure(kMenuSeparatorId, 0).height, 5);
    EXPECT_EQ(menu.Measure(1, 0).height, 0);
    EXPECT_EQ(menu.Measure(777, 0).height, 20);
}

TEST(ExMenuModel, AnUnknownItemIsAnEmptyTwentyPixelRow)
{
    ExMenuModel menu;
    menu.Append(1001, L"Exit", 5);
    EXPECT_EQ(menu.Measure(4242, 99), (MenuItemSize{32, 20}));
    const MenuItemPaint paint = menu.Paint(4242, 99, {0, 40, 32, 60}, false, 14);
    EXPECT_FALSE(paint.separator);
    EXPECT_EQ(paint.text, L"");
    EXPECT_EQ(paint.background, 0x29296Fu);
}

TEST(ExMenuModel, TextSitsTwoPixelsInAndCentredInTheColoursOfTheSelection)
{
    ExMenuModel menu;
    menu.Append(2002, L"Menu", 7);
    const MenuItemPaint plain = menu.Paint(2002, 7, {0, 20, 120, 40}, false, 13);
    EXPECT_EQ(plain.text, L"Menu");
    EXPECT_EQ(plain.textOrigin, (ui::Point{2, 23}));  // 20 + (20 - 13) / 2
    EXPECT_EQ(plain.background, 0x29296Fu);
    EXPECT_EQ(plain.textColour, 0xFFFFFFu);
    const MenuItemPaint selected = menu.Paint(2002, 7, {0, 20, 120, 40}, true, 13);
    EXPECT_EQ(selected.background, 0x20208Fu);
    EXPECT_EQ(selected.textColour, 0xFFFFFFu);
}

TEST(ExMenuModel, PopupItemsAreFoundByTheirDataWhateverIdTheSystemReports)
{
    ExMenuModel menu;
    menu.Append(0, L"DPI Setting +", 30);
    EXPECT_EQ(menu.ItemText(0x1A2B3C, 30), L"DPI Setting +");
    EXPECT_EQ(KindOfAppendedItem(0, true), MenuItemKind::Popup);
    EXPECT_EQ(KindOfAppendedItem(2048, false), MenuItemKind::Separator);
    EXPECT_EQ(KindOfAppendedItem(2001, false), MenuItemKind::Command);
}

TEST(ExMenuModel, ASeparatorIsItsBackgroundWithALineAcrossTheMiddle)
{
    ExMenuModel menu;
    const MenuItemPaint paint = menu.Paint(0, 0, {0, 60, 48, 65}, true, 13);
    EXPECT_TRUE(paint.separator);
    EXPECT_EQ(paint.lineY, 62);
    EXPECT_EQ(paint.background, 0x29296Fu);
}

TEST(MenuFrame, ThreeOutlinesOuterRedThenTwoDarkRed)
{
    const std::vector<MenuFrameLine> expected{
        {{0, 0, 126, 86}, 0x20208F}, {{1, 1, 125, 85}, 0x29296F}, {{2, 2, 124, 84}, 0x29296F}};
    EXPECT_EQ(MenuFrame({126, 86}), expected);
}

}  // namespace
}  // namespace norvale
