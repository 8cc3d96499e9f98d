#include <gtest/gtest.h>

#include <algorithm>

#include "assign/macro_dialog_model.h"

namespace norvale {
namespace {

using S = MacroDialogStep;
using Steps = std::vector<MacroDialogStep>;

constexpr ui::Point kInDropDown{60, 135};
constexpr ui::Point kInList{60, 200};
constexpr ui::Point kInOk{270, 260};
constexpr ui::Point kInCancel{340, 260};
constexpr ui::Point kInClose{360, 12};
constexpr ui::Point kFreePoint{300, 20};
constexpr ui::Point kMiddleMark{225, 135};

// The pictures at the three option marks, top to bottom.
std::vector<std::wstring> Marks(const PaintList& list)
{
    std::vector<std::wstring> marks;
    for (const PaintOp& op : list.ops) {
        const auto* image = std::get_if<ImageOp>(&op);
        if (image && image->x == 220) marks.push_back(image->skinName);
    }
    return marks;
}

TEST(MacroDialog, TheDropDownOpensAndClosesTheListAndAClickElsewhereClosesItWithoutAChoice)
{
    MacroDialogModel dialog(L"EN");
    EXPECT_EQ(dialog.Press(kInDropDown), Steps{S::OpenList});
    EXPECT_EQ(dialog.Press(kInDropDown), Steps{S::CloseList});
    EXPECT_EQ(dialog.Press(kInDropDown), Steps{S::OpenList});
    EXPECT_EQ(dialog.Press(kFreePoint), Steps{S::CloseList});
    EXPECT_FALSE(dialog.ListOpen());
    EXPECT_EQ(dialog.MacroIndex(), -1);
    EXPECT_EQ(dialog.Press(kInList), Steps{});  // no list there to close
}

TEST(MacroDialog, AChosenItemSetsPositionAndNameAndAnotherChoiceReplacesThem)
{
    MacroDialogModel dialog(L"EN");
    dialog.Press(kInDropDown);
    EXPECT_TRUE(dialog.ListItemChosen(2, L"Third"));
    EXPECT_FALSE(dialog.ListOpen());
    EXPECT_EQ(dialog.MacroIndex(), 2);
    EXPECT_EQ(dialog.MacroName(), L"Third");

    dialog.Press(kInDropDown);
    EXPECT_FALSE(dialog.ListItemChosen(std::nullopt, L""));  // a notice without a selection
    EXPECT_EQ(dialog.MacroIndex(), 2);
    dialog.Press(kInDropDown);
    dialog.ListItemChosen(0, L"First");
    EXPECT_EQ(dialog.MacroIndex(), 0);
    EXPECT_EQ(dialog.MacroName(), L"First");
}

TEST(MacroDialog, OkAndCancelEndItAndOkNeedsNoChoice)
{
    MacroDialogModel dialog(L"EN");
    dialog.Press(kInDropDown);
    EXPECT_EQ(dialog.Press(kInOk), (Steps{S::CloseList, S::EndOk}));
    EXPECT_EQ(dialog.MacroIndex(), -1);
    EXPECT_EQ(dialog.Press(kInCancel), Steps{S::EndCancel});
    EXPECT_EQ(dialog.Press(kInClose), Steps{S::EndCancel});
}

TEST(MacroDialog, TheTickMovesToTheChosenRepeatMode)
{
    MacroDialogModel dialog(L"EN");
    EXPECT_EQ(dialog.RepeatMode(), 0);
    EXPECT_EQ(Marks(dialog.Paint()),
              (std::vector<std::wstring>{L"Skins\\/PaneMakingTick.png", L"Skins\\/Pane.png", L"Skins\\/Pane.png"}));
    EXPECT_EQ(dialog.Press(kMiddleMark), Steps{S::Repaint});
    EXPECT_EQ(dialog.RepeatMode(), 1);
    EXPECT_EQ(Marks(dialog.Paint()),
              (std::vector<std::wstring>{L"Skins\\/Pane.png", L"Skins\\/PaneMakingTick.png", L"Skins\\/Pane.png"}));
}

TEST(MacroDialog, TextsFollowTheLanguageAndStayEmptyForAnUnknownOne)
{
    EXPECT_EQ(MacroDialogTextsFor(L"DE").ok, L"OK");
    EXPECT_EQ(MacroDialogTextsFor(L"DE").cancel, L"Abbrechen");
    EXPECT_EQ(MacroDialogTextsFor(L"EN").modes[2], L"Macro runs endless loop until button is released. ");
    EXPECT_EQ(MacroDialogTextsFor(L"CHT").prompt, L"請先選擇巨集");
    const MacroDialogTexts unknown = MacroDialogTextsFor(L"FR");
    EXPECT_TRUE(unknown.ok.empty() && unknown.prompt.empty() && unknown.modes[0].empty());
    EXPECT_EQ(MacroDialogFont(L"CHS").face, L"黑体");
    EXPECT_EQ(MacroDialogFont(L"EN").face, L"Arial");
}

}  // namespace
}  // namespace norvale
