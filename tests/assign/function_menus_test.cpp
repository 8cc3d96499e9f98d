#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assign/function_menus.h"

namespace norvale {
namespace {

using L = UiLanguage;

std::vector<unsigned> Ids(const FunctionMenu& menu)
{
    std::vector<unsigned> ids;
    for (const FunctionMenuItem& item : menu.items) ids.push_back(item.id);
    return ids;
}

TEST(FunctionMenus, TopLevelOrderTextsAndSubmenus)
{
    const auto menus = FunctionMenus(L::English, DpiItemTexts{});
    const FunctionMenu& top = menus[kTopMenu];
    EXPECT_EQ(top.itemWidth, 120);
    const std::vector<FunctionMenuItem> expected = {
        {2001, L"Click"},
        {2002, L"Menu"},
        {2003, L"Scroll "},
        {2004, L"Forward"},
        {2005, L"Back"},
        {2006, L"Double-Click"},
        {2009, L"Fn"},
        {2010, L"Snipe"},
        {0, L"DPI Setting +", kDpiMenu},
        {0, L"Multimedia Commands +", kMultimediaMenu},
        {0, L"Basic Commands +", kShortcutMenu},
        {0, L"Additional Commands +", kWindowsCommandMenu},
        {2011, L"Assign Keyboard Key"},
        {2012, L"Macro"},
        {2013, L"Deactivated"},
    };
    EXPECT_EQ(top.items, expected);
}

TEST(FunctionMenus, SubmenuIdsAndWidths)
{
    const auto menus = FunctionMenus(L::English, DpiItemTexts{});
    EXPECT_EQ(menus[kDpiMenu].itemWidth, 50);
    EXPECT_EQ(Ids(menus[kDpiMenu]), (std::vector<unsigned>{2020, 2021, 2022}));
    EXPECT_EQ(menus[kMultimediaMenu].itemWidth, 100);
    EXPECT_EQ(Ids(menus[kMultimediaMenu]), (std::vector<unsigned>{2050, 2051, 2052, 2053, 2054, 2055, 2056, 2057}));
    EXPECT_EQ(menus[kShortcutMenu].itemWidth, 100);
    EXPECT_EQ(Ids(menus[kShortcutMenu]),
              (std::vector<unsigned>{2060, 2061, 2062, 2063, 2064, 2065, 2066, 2067, 2068, 2069}));
    EXPECT_EQ(menus[kWindowsCommandMenu].itemWidth, 120);
    EXPECT_EQ(Ids(menus[kWindowsCommandMenu]), (std::vector<unsigned>{2030, 2031, 2032, 2033, 2034, 2035, 2036}));
    for (int menu = kDpiMenu; menu < kFunctionMenuCount; ++menu) {
        for (const FunctionMenuItem& item : menus[menu].items) EXPECT_EQ(item.submenu, kNoSubmenu) << item.id;
    }
}

// UI texts and fixed lists follow the language; Fn never does; the DPI items
// show whatever texts the window holds.
TEST(FunctionMenus, TextsFollowTheLanguage)
{
    DpiItemTexts dpi;
    dpi.text[2] = L"loop!";
    const auto german = FunctionMenus(L::German, dpi);
    EXPECT_EQ(german[kTopMenu].items[0].text, L"Klick");
    EXPECT_EQ(german[kTopMenu].items[6].text, L"Fn");
    EXPECT_EQ(german[kTopMenu].items[8].text, L"DPI-Einstellung +");
    EXPECT_EQ(german[kTopMenu].items[12].text, L"Keyboard-Taste zuweisen +");
    EXPECT_EQ(german[kDpiMenu].items[0].text, L"DPI +");
    EXPECT_EQ(german[kDpiMenu].items[2].text, L"loop!");
    EXPECT_EQ(german[kShortcutMenu].items[8].text, L"Rückgängig machen");

    const auto chs = FunctionMenus(L::SimplifiedChinese, DpiItemTexts{});
    EXPECT_EQ(chs[kTopMenu].items[11].text, L"Windows +");
    EXPECT_EQ(chs[kMultimediaMenu].items[6].text, L"音量+");
    EXPECT_EQ(FunctionMenus(L::TraditionalChinese, DpiItemTexts{})[kWindowsCommandMenu].items[2].text,
              L"搜尋程式及檔案");

    // An unknown language code: the fixed lists fall back to English while the
    // UI texts stay empty, as the text table leaves them.
    const auto unknown = FunctionMenus(L::Unknown, DpiItemTexts{});
    EXPECT_EQ(unknown[kWindowsCommandMenu].items[6].text, L"Run");
    EXPECT_EQ(unknown[kTopMenu].items[0].text, L"");
    EXPECT_EQ(unknown[kTopMenu].items[6].text, L"Fn");
}

TEST(FunctionMenus, AnchorIsFivePixelsRightOfTheButton)
{
    EXPECT_EQ(FunctionMenuAnchor({40, 300, 170, 316}), (ui::Point{175, 300}));
}

}  // namespace
}  // namespace norvale
