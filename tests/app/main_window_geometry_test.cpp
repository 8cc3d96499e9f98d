#include <gtest/gtest.h>

#include <set>

#include "app/main_window_geometry.h"

namespace norvale {
namespace {

TEST(MainWindowGeometry, ButtonsAreListedInCreationOrderWithTheirCaptions)
{
    const auto& buttons = MainImageButtons();
    for (int i = 0; i < kMainButtonCount; ++i) {
        EXPECT_EQ(static_cast<int>(buttons[static_cast<std::size_t>(i)].button), i);
    }
    EXPECT_EQ(SpecOf(MainButton::Config).captionIndent, 20);
    EXPECT_EQ(SpecOf(MainButton::Config).captionSlot, 12);
    EXPECT_EQ(SpecOf(MainButton::Help).captionSlot, kNoCaption);
    EXPECT_EQ(SpecOf(MainButton::MacroHeader).pictures.cut, (ui::Size{242, 38}));
    EXPECT_EQ(SpecOf(MainButton::MacroHeader).rect, (ui::Rect{20, 132, 262, 170}));

    std::set<MainButton> hidden;
    for (const ImageButtonSpec& spec : buttons) {
        if (spec.createdHidden) hidden.insert(spec.button);
    }
    EXPECT_EQ(hidden, (std::set<MainButton>{MainButton::Back, MainButton::LiftOffHeader}));
}

TEST(MainWindowGeometry, ScreenRowsShowEveryButtonOnceWithFourAndThreeExchanged)
{
    const int expected[] = {0, 1, 2, 4, 3, 5, 6};
    for (int row = 1; row <= kFunctionButtonCount; ++row) EXPECT_EQ(RowButton(row), expected[row - 1]) << row;
    EXPECT_EQ(FunctionButtonRect(1), (ui::Rect{120, 154, 250, 170}));
    EXPECT_EQ(FunctionButtonRect(7), (ui::Rect{120, 274, 250, 290}));
}

}  // namespace
}  // namespace norvale
