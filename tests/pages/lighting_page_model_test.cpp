#include "pages/lighting_page_model.h"

#include <gtest/gtest.h>

#include "support/default_settings.h"

namespace norvale {
namespace {

constexpr ui::Point kStandard{12, 12};
constexpr ui::Point kRespiration{12, 41};
constexpr ui::Point kNeon{12, 70};
constexpr ui::Point kFingerTapping{12, 104};
constexpr ui::Point kLeftKey{101, 104};
constexpr ui::Point kRightKey{150, 104};
constexpr ui::Point kMiddleKey{199, 104};
// Beside group A's sliders, below the page's picture.
constexpr ui::Point kOtherRespiration{12, 236};

using Flags = std::array<bool, 3>;
using Values = std::array<int, 3>;

// Sliders in groups of three: group B's from 0, group A's from 3.
Flags Enabled(const LightingPageModel& page, std::size_t first)
{
    const auto& s = page.Sliders();
    return {s[first].enabled, s[first + 1].enabled, s[first + 2].enabled};
}

Values Shown(const LightingPageModel& page, std::size_t first)
{
    const auto& s = page.Sliders();
    return {s[first].value, s[first + 1].value, s[first + 2].value};
}

// The factory lighting: both groups "Neon", linked; sliders 4, 2, 2.
class LightingPageTest : public ::testing::Test {
protected:
    const LightingSliderState& Fourth() const { return page.Sliders()[6]; }

    Settings live = FactorySettings();
    LightingPageModel page{live};
};

TEST(LightingPage, EachEffectEnablesOnlyItsOwnSliderAndLeadsTheLinkedGroup)
{
    const struct {
        ui::Point press;
        std::uint8_t from;
        int mode;
        int fingerTapping;
        Flags enabled;
        int otherMode;
        Values otherValues;
    } cases[] = {
        {kStandard, 4, 1, 0, {true, false, false}, 1, {5, 2, 2}},
        {{19, 47}, 4, 2, 0, {false, true, false}, 2, {4, 3, 2}},  // the last pixel of "Respiration"'s area
        {kNeon, 4, 3, 0, {false, false, true}, 3, {4, 2, 6}},
        {{10, 102}, 1, 4, 1, {false, false, false}, 3, {5, 2, 2}},
    };
    for (const auto& c : cases) {
        Settings live = FactorySettings();
        live.lightBMode = c.from;
        live.lightBSpeed = 5;
        live.lightBParam2 = 3;
        live.lightBParam3 = 6;
        LightingPageModel page{live};
        page.Show();

        EXPECT_TRUE(page.Press(c.press)) << c.mode;
        EXPECT_EQ(live.lightBMode, c.mode);
        EXPECT_EQ(live.lightOption56, c.fingerTapping) << c.mode;
        EXPECT_EQ(Enabled(page, 0), c.enabled) << c.mode;
        EXPECT_EQ(Shown(page, 0), (Values{5, 3, 6})) << "disabled sliders keep their values";
        EXPECT_EQ(live.lightAMode, c.otherMode) << c.mode;
        EXPECT_EQ((Values{live.lightASpeed, live.lightAParam2, live.lightAParam3}), c.otherValues) << c.mode;
        EXPECT_EQ(Shown(page, 3), c.otherValues) << c.mode;
        EXPECT_EQ(Enabled(page, 3), (Flags{false, false, false})) << c.mode;
        EXPECT_FALSE(page.Sliders()[6].enabled) << c.mode;
    }
}

TEST_F(LightingPageTest, PressesBesideTheAreasChangeNothing)
{
    page.Show();
    page.Press(kFingerTapping);
    const Settings before = live;
    const auto sliders = page.Sliders();
    for (const ui::Point point : {ui::Point{20, 10}, ui::Point{10, 19}, ui::Point{9, 39}, ui::Point{20, 102},
                                  ui::Point{109, 102}, ui::Point{100, 111}, ui::Point{148, 105},
                                  ui::Point{207, 102}, kOtherRespiration, ui::Point{60, 60}}) {
        EXPECT_FALSE(page.Press(point)) << point.x << ", " << point.y;
    }
    EXPECT_EQ(live, before);
    EXPECT_EQ(page.Sliders(), sliders);
}

TEST_F(LightingPageTest, LinkedSlidersMoveBothGroups)
{
    page.Show();
    page.SliderChanged(2038, 4);
    EXPECT_EQ(live.lightBParam2, 4);
    EXPECT_EQ(live.lightAParam2, 4);
    EXPECT_EQ(Shown(page, 0), (Values{4, 4, 2}));
    EXPECT_EQ(Shown(page, 3), (Values{4, 4, 2}));

    page.Press(kRespiration);
    page.Press(kFingerTapping);
    EXPECT_EQ(live.lightBMode, 4);
    EXPECT_EQ(live.lightAMode, 3);

    // Only the low byte of a slider's value is stored.
    page.SliderChanged(2039, 0x105);
    EXPECT_EQ(live.lightBParam3, 5);
    EXPECT_EQ(live.lightAParam3, 5);
    EXPECT_EQ(Shown(page, 3), (Values{4, 4, 5}));
}

TEST_F(LightingPageTest, IndependentGroupsKeepTheirOwnEffectsAndValues)
{
    live.lightAFlag = 3;
    live.lightBSpeed = 6;
    page.Show();
    EXPECT_EQ(Enabled(page, 3), (Flags{false, false, true}));
    EXPECT_TRUE(Fourth().enabled) << "group A lights as \"Neon\"";

    page.SliderChanged(2038, 4);
    page.Press(kStandard);
    EXPECT_EQ(live.lightAParam2, 2);
    EXPECT_EQ(live.lightASpeed, 4);
    EXPECT_EQ(live.lightAMode, 3);
    EXPECT_EQ(Shown(page, 3), (Values{4, 2, 2}));

    EXPECT_TRUE(page.Press(kOtherRespiration));
    EXPECT_EQ(live.lightAMode, 2);
    EXPECT_EQ(live.lightBMode, 1);
    EXPECT_EQ(Enabled(page, 3), (Flags{false, true, false}));
    EXPECT_FALSE(Fourth().enabled);

    page.SliderChanged(2041, 6);
    page.SliderChanged(2042, 5);
    page.SliderChanged(2043, 1);
    page.SliderChanged(2045, 3);
    EXPECT_EQ((Values{live.lightASpeed, live.lightAParam2, live.lightAParam3}), (Values{6, 5, 1}));
    EXPECT_EQ(live.lightLevel, 3);
    EXPECT_EQ(Shown(page, 3), (Values{6, 5, 1}));
    EXPECT_EQ(Fourth().value, 3);

    const Settings before = live;
    for (const int id : {2036, 2040, 2044, 2046}) page.SliderChanged(id, 5);
    EXPECT_EQ(live, before);

    // A stored effect of group A the page does not know lights its first slider.
    live.lightAMode = 4;
    page.Refresh();
    EXPECT_EQ(live.lightAMode, 4);
    EXPECT_EQ(Enabled(page, 3), (Flags{true, false, false}));
}

TEST_F(LightingPageTest, KeyBoxesFlipOnlyWhileFingerTappingIsChosen)
{
    page.Show();
    page.Press(kStandard);
    EXPECT_FALSE(page.Press(kLeftKey));
    EXPECT_EQ(live.functionOption0, 1u);

    page.Press(kFingerTapping);
    EXPECT_TRUE(page.Press(kLeftKey));
    EXPECT_EQ(live.functionOption0, 0u);
    EXPECT_TRUE(page.Press(kLeftKey));
    EXPECT_EQ(live.functionOption0, 1u);

    // Any stored value other than 0 counts as ticked and clears.
    live.functionOption1 = 2;
    page.Press(kRightKey);
    EXPECT_EQ(live.functionOption1, 0u);
    page.Press(kMiddleKey);
    EXPECT_EQ(live.functionOption2, 0u);
    EXPECT_EQ(live.functionOption0, 1u);

    page.Press(kNeon);
    EXPECT_FALSE(page.Press(kMiddleKey));
    EXPECT_EQ(live.functionOption2, 0u);
}

TEST(LightingPage, AnUnknownStoredEffectOpensAsStandard)
{
    for (const std::uint8_t stored : {0, 5, 255}) {
        Settings live = FactorySettings();
        live.lightBMode = stored;
        live.lightOption56 = 1;
        live.lightASpeed = 6;
        LightingPageModel page{live};
        page.Show();
        EXPECT_EQ(live.lightBMode, 1) << int{stored};
        EXPECT_EQ(Enabled(page, 0), (Flags{true, false, false})) << int{stored};
        EXPECT_EQ(live.lightAMode, 1) << int{stored};
        EXPECT_EQ(live.lightOption56, 1) << "kept: " << int{stored};
        EXPECT_EQ(live.lightASpeed, 6) << "not copied: " << int{stored};

        live.lightBMode = stored;
        page.Refresh();
        EXPECT_EQ(live.lightBMode, 1) << int{stored};
        EXPECT_EQ(Enabled(page, 0), (Flags{true, false, false})) << int{stored};
    }
}

TEST(LightingPage, RefreshShowsTheStoredValuesAndReappliesTheLink)
{
    const struct {
        std::uint8_t stored;
        std::uint8_t link;
        int otherMode;
        int otherRespiration;
        Flags otherEnabled;
        bool fourthEnabled;
    } cases[] = {
        {1, 1, 2, 5, {false, false, false}, false},
        {3, 3, 3, 2, {false, false, true}, true},
        {2, 2, 3, 2, {false, false, true}, false},
        {0, 1, 2, 5, {false, false, false}, false},
        {7, 1, 2, 5, {false, false, false}, false},
    };
    for (const auto& c : cases) {
        Settings live = FactorySettings();
        LightingPageModel page{live};
        page.Show();
        live.lightAFlag = c.stored;
        live.lightBMode = 2;
        live.lightBSpeed = 9;
        live.lightBParam2 = 5;
        live.lightLevel = 4;

        page.Refresh();
        EXPECT_EQ(live.lightAFlag, c.link) << int{c.stored};
        EXPECT_EQ(live.lightAMode, c.otherMode) << int{c.stored};
        EXPECT_EQ(live.lightAParam2, c.otherRespiration) << int{c.stored};
        EXPECT_EQ(Enabled(page, 3), c.otherEnabled) << int{c.stored};
        EXPECT_EQ(page.Sliders()[6], (LightingSliderState{c.fourthEnabled, 4})) << int{c.stored};
        EXPECT_EQ(Shown(page, 0), (Values{1, 5, 2})) << "9 is no step of the slider";
        EXPECT_EQ(live.lightBSpeed, 9) << "only shown as 1";
    }
}

}  // namespace
}  // namespace norvale
