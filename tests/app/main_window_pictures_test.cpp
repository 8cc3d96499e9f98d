#include "app/main_window_pictures.h"

#include <gmock/gmock.h>

#include <set>

namespace norvale {
namespace {

using ::testing::Contains;
using ::testing::Not;

TEST(MainWindowStartPictures, HoldsWhatTheWindowBuildsAndFirstPaintsEachOnce)
{
    const std::vector<std::wstring> names = MainWindowStartPictures();
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()).size(), names.size());
    for (const wchar_t* name : {L"/skins/main.png", L"/skins/ButtonAssignment/BK_ButtonAssignment.png",
                                L"\\skins\\button-save-leave.png", L"\\skins\\MacroManagementBK.png",
                                L"\\skins\\ButtonAssignment\\DropdownBox-over.png", L"\\skins\\XYSensitivity\\2.png",
                                L"Skins\\Mouse\\Front\\MouseFront.png", L"Skins/Mouse/Front/F-7-normal.png",
                                L"Skins\\MLogo.png", L"/skins/BK_MainRight.png",
                                L"Skins\\DPISetting\\BK_DPISetting.png", L"\\skins\\StageSlider\\10.png"})
        EXPECT_THAT(names, Contains(name));
    // Shown later, or only once a section opens: decoded when needed.
    EXPECT_THAT(names, Not(Contains(L"Skins\\Mouse\\Side\\MouseSide.png")));
    EXPECT_THAT(names, Not(Contains(L"/Skins/XYSensitivity/BK_XYSensSetting.png")));
}

}  // namespace
}  // namespace norvale
