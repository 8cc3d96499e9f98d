#include <gtest/gtest.h>

#include "app/main_menus.h"
#include "app/tray_icon.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

using S = MainStep;

TEST(TrayIcon, DoubleClickBringsTheWindowBackWithClosedSectionsOnlyWithTheMouse)
{
    MainActions expected{{S::RecentreWindow},
                         {S::RefreshAxisSliders},
                         {S::RefreshButtonLabels},
                         {S::LayoutAssignmentSection, 1},
                         {S::RefreshButtonLabels},
                         {S::LockWindowUpdate}};
    for (int button = 0; button < 7; ++button) {
        expected.push_back({S::HideFunctionButton, button});
        expected.push_back({S::RefreshButtonLabels});
    }
    expected.insert(expected.end(), {{S::UnlockWindowUpdate},
                                     {S::LayoutAxisSection, 1},
                                     {S::RefreshAxisSliders},
                                     {S::RefreshPages},
                                     {S::ShowInTaskbar},
                                     {S::ShowWindow},
                                     {S::SetForeground}});
    const TrayResponse restored = RespondToTrayIcon(128, 0x0203, true);
    EXPECT_EQ(restored.result, 0);
    EXPECT_EQ(restored.actions, expected);

    const TrayResponse absent = RespondToTrayIcon(128, 0x0203, false);
    EXPECT_EQ(absent.result, 0);
    EXPECT_TRUE(absent.actions.empty());
}

TEST(TrayIcon, RightClickOpensTheExitMenuAndOtherGesturesOrIconsDoNothing)
{
    EXPECT_EQ(RespondToTrayIcon(128, 0x0205, false).actions, (MainActions{{S::SetForeground}, {S::OpenTrayMenu}}));
    EXPECT_TRUE(RespondToTrayIcon(128, 0x0201, true).actions.empty());

    const TrayResponse otherIcon = RespondToTrayIcon(129, 0x0203, true);
    EXPECT_EQ(otherIcon.result, 1);
    EXPECT_TRUE(otherIcon.actions.empty());
}

TEST(TrayIcon, MenusSpeakTheCurrentLanguage)
{
    FillUiTexts(L"DE");
    EXPECT_EQ(TrayMenuItems(), (std::vector<MenuItem>{{2, L"Exit"}}));
    FillUiTexts(L"CHS");
    EXPECT_EQ(TrayMenuItems(), (std::vector<MenuItem>{{2, L"退出"}}));
    EXPECT_EQ(TrayTip(), L"Norvale");
    const std::vector<MenuItem> help = HelpMenuItems();
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].id, 1001u);
    EXPECT_EQ(help[0].text, UiText(524));
    EXPECT_EQ(help[1], (MenuItem{1003, L"Version:1.4"}));
}

TEST(TrayIcon, TextsAreCutToTheirFieldWithRoomForTheTerminator)
{
    EXPECT_EQ(FitTrayField(L"Norvale", 128), L"Norvale");
    EXPECT_EQ(FitTrayField(std::wstring(300, L'x'), 256), std::wstring(255, L'x'));
    EXPECT_EQ(FitTrayField(L"Info", 0), L"");
}

TEST(FirmwareUpdater, SixtyFourBitMachinesGetTheX64Updater)
{
    struct Case {
        std::uint16_t architecture;
        const wchar_t* path;
    };
    const Case cases[] = {
        {9, L"C:\\Tools\\Mouse\\Update\\X64\\FwUpdate.exe"},
        {6, L"C:\\Tools\\Mouse\\Update\\X64\\FwUpdate.exe"},
        {0, L"C:\\Tools\\Mouse\\Update\\X86\\FwUpdate.exe"},
        {12, L"C:\\Tools\\Mouse\\Update\\X86\\FwUpdate.exe"},
        {0xFFFF, L"C:\\Tools\\Mouse\\Update\\X86\\FwUpdate.exe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirmwareUpdaterPath(L"C:\\Tools\\Mouse\\", c.architecture), c.path) << c.architecture;
    }
}

}  // namespace
}  // namespace norvale
