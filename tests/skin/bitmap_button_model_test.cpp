#include <gtest/gtest.h>

#include "skin/bitmap_button_model.h"

namespace norvale {
namespace {

TEST(ChooseButtonFace, DisabledWinsThenPressedThenHover)
{
    EXPECT_EQ(ChooseButtonFace(true, true, true), ButtonFace::Disabled);
    EXPECT_EQ(ChooseButtonFace(true, false, true), ButtonFace::Disabled);
    EXPECT_EQ(ChooseButtonFace(false, true, true), ButtonFace::Pressed);
    EXPECT_EQ(ChooseButtonFace(false, false, true), ButtonFace::Hover);
    EXPECT_EQ(ChooseButtonFace(false, false, false), ButtonFace::Normal);
}

TEST(Caption, SitsFivePixelsInPlusAPositiveIndent)
{
    const ui::Rect client{0, 0, 120, 24};
    EXPECT_EQ(CaptionRect(client, 0), (ui::Rect{5, 0, 120, 24}));
    EXPECT_EQ(CaptionRect(client, 20), (ui::Rect{25, 0, 120, 24}));
    EXPECT_EQ(CaptionRect(client, -7), (ui::Rect{5, 0, 120, 24}));
    EXPECT_EQ(kCaptionFormat, 0x8824u);  // single line, vertically centred, no prefix, end ellipsis
    const FontSpec font = CaptionFont(L"Arial", 13);
    EXPECT_EQ(font.height, 13);
    EXPECT_EQ(font.weight, 550);
    EXPECT_EQ(font.charset, 1);
    EXPECT_EQ(font.quality, 5);
    EXPECT_EQ(font.pitchAndFamily, 0x30);
}

PointerFacts Outside() { return {.hasActiveWindow = true, .hasOwnerOrParent = true, .clientX = 4}; }

TEST(ButtonHover, EnteringLightsAndTakesTheCapture)
{
    ButtonHover hover;
    const HoverActions actions = hover.OnMouseMove(Outside());
    EXPECT_TRUE(hover.Lit());
    EXPECT_EQ(actions, (HoverActions{.takeCapture = true, .invalidate = true, .activate = true, .repostMove = true}));
}

TEST(ButtonHover, ADragFromOutsideStaysUnlitAndIsNotPassedOn)
{
    ButtonHover hover;
    PointerFacts facts = Outside();
    facts.leftButtonDown = true;
    EXPECT_EQ(hover.OnMouseMove(facts), HoverActions{});
    EXPECT_FALSE(hover.Lit());
}

TEST(ButtonHover, WithoutAnActiveWindowNothingLights)
{
    ButtonHover hover;
    PointerFacts facts = Outside();
    facts.hasActiveWindow = false;
    EXPECT_EQ(hover.OnMouseMove(facts), HoverActions{.repostMove = true});
    EXPECT_FALSE(hover.Lit());
}

TEST(ButtonHover, LeavingUnlightsAndReleasesUnlessTheButtonIsHeld)
{
    for (const bool held : {false, true}) {
        ButtonHover hover;
        hover.OnMouseMove(Outside());
        PointerFacts facts{.leftButtonDown = held, .buttonHoldsCapture = true, .hasActiveWindow = true,
                           .hasOwnerOrParent = true, .clientX = 10, .overAnotherWindow = true};
        const HoverActions actions = hover.OnMouseMove(facts);
        EXPECT_FALSE(hover.Lit());
        EXPECT_TRUE(actions.invalidate);
        EXPECT_EQ(actions.releaseCapture, !held) << held;
    }
}

TEST(ButtonHover, LeavingToTheLeftCountsEvenOverTheButtonItself)
{
    ButtonHover hover;
    hover.OnMouseMove(Outside());
    PointerFacts facts{.buttonHoldsCapture = true, .hasActiveWindow = true, .hasOwnerOrParent = true, .clientX = -1};
    EXPECT_TRUE(hover.OnMouseMove(facts).releaseCapture);
    EXPECT_FALSE(hover.Lit());
}

TEST(ButtonHover, StayingOverTheButtonKeepsItLit)
{
    ButtonHover hover;
    hover.OnMouseMove(Outside());
    PointerFacts facts{.buttonHoldsCapture = true, .hasActiveWindow = true, .hasOwnerOrParent = true, .clientX = 30};
    EXPECT_EQ(hover.OnMouseMove(facts), HoverActions{.repostMove = true});
    EXPECT_TRUE(hover.Lit());
}

TEST(ButtonHover, ALostCaptureIsLetGoAndRepaintedOnlyWhenLit)
{
    ButtonHover hover;
    EXPECT_EQ(hover.OnCaptureChanged(), HoverActions{});
    hover.OnMouseMove(Outside());
    EXPECT_EQ(hover.OnCaptureChanged(), (HoverActions{.releaseCapture = true, .invalidate = true}));
    EXPECT_TRUE(hover.Lit());
}

}  // namespace
}  // namespace norvale
