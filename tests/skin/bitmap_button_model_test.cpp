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

// Half a font height per character: wide enough to make German captions
// overflow the 57-pixel command buttons at the normal 14 pixels.
TextWidth HalfHeightPerCharacter(std::wstring_view caption)
{
    return [caption](int height) { return static_cast<int>(caption.size()) * height / 2; };
}

TEST(Caption, ShrinksToTheLargestHeightThatFitsAndNoFurtherThanNinePixels)
{
    struct Case {
        std::wstring_view caption;
        int height;
        int width;
        int fitted;
    };
    const Case cases[] = {
        {L"Apply", 14, 57, 14},                // fits: keeps its size
        {L"Apply", 14, 37, 13},                // 35 pixels at 14 would touch the frame
        {L"Abbrechen", 14, 57, 12},            // 54 pixels at 12
        {L"Zurücksetzen", 14, 57, 9},          // 54 pixels at 9
        {L"Spiel-Einstellungen", 14, 57, 9},   // too long even at 9: the ellipsis cuts it
        {L"Spiel-Einstellungen", 8, 57, 8},    // already below the smallest size
        {L"", 14, 57, 14},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitCaptionHeight(c.height, c.width, HalfHeightPerCharacter(c.caption)), c.fitted)
            << std::wstring(c.caption);
    }
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
