#include <gtest/gtest.h>

#include "app/button_selection.h"
#include "app/main_window_geometry.h"
#include "app/mouse_views.h"

namespace norvale {
namespace {

std::vector<std::wstring> LitPictures(int view, int selectedButton)
{
    std::vector<std::wstring> lit;
    for (const ImageOp& spot : HotSpotImages(view, selectedButton)) {
        if (spot.skinName.ends_with(L"-over.png")) lit.push_back(spot.skinName);
    }
    return lit;
}

using Pictures = std::vector<std::wstring>;

TEST(MouseViews, ScreenRowsFourAndFiveShowButtonsFourAndThree)
{
    ButtonSelection selection;
    selection.ChooseFunctionButton(RowButton(4));
    EXPECT_EQ(selection.SelectedButton(), 4);
    EXPECT_EQ(LitPictures(kTopView, 4), Pictures{L"Skins/Mouse/Front/F-4-over.png"});
    EXPECT_EQ(LitPictures(kSideView, 4), Pictures{L"Skins/Mouse/Side/S-4-over.png"});
    EXPECT_EQ(LitPictures(kBackView, 4), Pictures{});

    selection.ChooseFunctionButton(RowButton(5));
    EXPECT_EQ(selection.SelectedButton(), 3);
    EXPECT_EQ(LitPictures(kTopView, 3), Pictures{L"Skins/Mouse/Front/F-5-over.png"});
    EXPECT_EQ(LitPictures(kSideView, 3), Pictures{L"Skins/Mouse/Side/S-5-over.png"});
}

TEST(MouseViews, BackViewMarksOnlyRowsSixAndSevenWithPicturesFiveAndFour)
{
    EXPECT_EQ(LitPictures(kBackView, RowButton(6)), Pictures{L"Skins/Mouse/Back/B-5-over.png"});
    EXPECT_EQ(LitPictures(kBackView, RowButton(7)), Pictures{L"Skins/Mouse/Back/B-4-over.png"});
    const std::vector<ImageOp> expected{{L"Skins/Mouse/Back/B-5-normal.png", 582, 248},
                                        {L"Skins/Mouse/Back/B-4-normal.png", 577, 209}};
    EXPECT_EQ(HotSpotImages(kBackView, kNoSelection), expected);
}

TEST(MouseViews, NoViewDrawsNoMouse)
{
    for (int view : {kNoView, 4, -1}) {
        EXPECT_FALSE(ViewPicture(view)) << view;
        EXPECT_TRUE(HotSpotImages(view, 0).empty()) << view;
    }
}

TEST(ButtonSelection, SelectingLightsOneButtonAndRepaintsOnlyThoseThatChange)
{
    ButtonSelection selection;
    selection.NoteFunctionButtonHover(6, true);  // the pointer rests on row 7

    const SelectionRepaint chosen = selection.ChooseFunctionButton(2);
    EXPECT_EQ(chosen.functionButtons, (std::vector<int>{6, 2}));
    EXPECT_TRUE(chosen.mouseViewArea);
    EXPECT_TRUE(selection.FunctionButtonLit(2));
    EXPECT_FALSE(selection.FunctionButtonLit(6));

    const SelectionRepaint cleared = selection.ClearButtonSelection();
    EXPECT_EQ(cleared.functionButtons, std::vector<int>{2});
    EXPECT_TRUE(cleared.mouseViewArea);
    EXPECT_EQ(selection.SelectedButton(), kNoSelection);
}

TEST(ButtonSelection, SelectButtonKeepsTheMarkAndIgnoresIndexesOutsideTheSeven)
{
    ButtonSelection selection;
    selection.ChooseFunctionButton(5);
    const SelectionRepaint lit = selection.SelectButton(1);
    EXPECT_EQ(lit.functionButtons, (std::vector<int>{5, 1}));
    EXPECT_FALSE(lit.mouseViewArea);
    EXPECT_EQ(selection.SelectedButton(), 5);

    for (int outside : {-1, 7}) {
        selection.SelectButton(outside);
        for (int button = 0; button < kFunctionButtonCount; ++button) EXPECT_FALSE(selection.FunctionButtonLit(button));
    }
    selection.ChooseFunctionButton(-1);
    EXPECT_EQ(selection.SelectedButton(), kNoSelection);
}

TEST(ButtonSelection, EndingAMenuDarkensOnlyItsButtonAndUnmarksTheMouse)
{
    ButtonSelection selection;
    selection.ChooseFunctionButton(3);
    selection.NoteFunctionButtonHover(0, true);
    const SelectionRepaint ended = selection.EndMenuSelection(3);
    EXPECT_EQ(ended.functionButtons, std::vector<int>{3});
    EXPECT_TRUE(ended.mouseViewArea);
    EXPECT_EQ(selection.SelectedButton(), kNoSelection);
    EXPECT_TRUE(selection.FunctionButtonLit(0));
    EXPECT_TRUE(selection.EndMenuSelection(3).functionButtons.empty());
}

TEST(ButtonSelection, ShowingAViewClearsTheSelectionAndLightsItsOwnButton)
{
    ButtonSelection selection;
    EXPECT_EQ(selection.ShowMouseView(kTopView).viewButtons, std::vector<int>{1});
    selection.ChooseFunctionButton(0);

    const SelectionRepaint side = selection.ShowMouseView(kSideView);
    EXPECT_EQ(side.viewButtons, (std::vector<int>{1, 2}));
    EXPECT_EQ(side.functionButtons, std::vector<int>{0});
    EXPECT_TRUE(side.mouseViewArea);
    EXPECT_EQ(selection.CurrentView(), kSideView);
    EXPECT_EQ(selection.SelectedButton(), kNoSelection);
    EXPECT_TRUE(selection.ViewButtonLit(kSideView));
    EXPECT_FALSE(selection.ViewButtonLit(kTopView));

    EXPECT_TRUE(selection.ShowMouseView(kSideView).viewButtons.empty());
}

}  // namespace
}  // namespace norvale
