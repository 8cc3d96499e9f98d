#include <gtest/gtest.h>

#include "skin/slider_marker_model.h"

namespace norvale {
namespace {

// The lighting page's slider: 128 x 16 at (40, 100), values 1 ... 6.
SliderMarkerModel LightingSlider()
{
    SliderMarkerModel marker(MarkerAxis::Horizontal, {40, 100, 168, 116});
    marker.SetRange(1, 6);
    return marker;
}

// The DPI page's slider: 20 x 215 at (10, 50), values 0 ... 216.
SliderMarkerModel DpiSlider()
{
    SliderMarkerModel marker(MarkerAxis::Vertical, {10, 50, 30, 265});
    marker.SetRange(0, 216);
    return marker;
}

TEST(SliderMarker, FillIsScaledToOneStepLessThanTheRangeAndCutToTheTrack)
{
    SliderMarkerModel marker = LightingSlider();
    const int fills[] = {0, 32, 64, 96, 128, 160};
    const int painted[] = {0, 32, 64, 96, 128, 128};
    for (int value = 1; value <= 6; ++value) {
        marker.SetValue(value);
        EXPECT_EQ(marker.FillLength(), fills[value - 1]) << value;
        EXPECT_EQ(marker.FilledArea(), (ui::Rect{0, 0, painted[value - 1], 16})) << value;
    }
}

TEST(SliderMarker, VerticalFillGrowsUpFromTheBottom)
{
    SliderMarkerModel marker = DpiSlider();
    marker.SetValue(43);  // 215 * 43 / 215
    EXPECT_EQ(marker.FilledArea(), (ui::Rect{0, 172, 20, 215}));
    marker.SetValue(216);
    EXPECT_EQ(marker.FillLength(), 216);
    EXPECT_EQ(marker.FilledArea(), (ui::Rect{0, 0, 20, 215}));
}

TEST(SliderMarker, ARangeOfOneStepOrNoneFillsWithoutDividingByZero)
{
    SliderMarkerModel marker(MarkerAxis::Horizontal, {0, 0, 100, 10});
    marker.SetRange(3, 4);
    marker.SetValue(4);
    EXPECT_EQ(marker.FillLength(), 100);
    marker.SetRange(5, 5);
    EXPECT_EQ(marker.Value(), 5);
    EXPECT_EQ(marker.FillLength(), 0);
}

TEST(SliderMarker, SettingAValueOutsideTheRangeShowsTheMinimum)
{
    SliderMarkerModel marker = LightingSlider();
    marker.SetValue(4);
    EXPECT_EQ(marker.Value(), 4);
    marker.SetValue(7);
    EXPECT_EQ(marker.Value(), 1);
    marker.SetValue(0);
    EXPECT_EQ(marker.Value(), 1);
}

TEST(SliderMarker, HorizontalDragTracksAndReleaseReportsTheChange)
{
    SliderMarkerModel marker = LightingSlider();
    EXPECT_EQ(marker.Move({104, 108}), std::nullopt);  // no press, no drag
    marker.Press();
    EXPECT_EQ(marker.Value(), 1);  // pressing alone changes nothing
    EXPECT_EQ(marker.Move({104, 108}), (MarkerPost{WM_MARKER_TRACKING, 3}));  // 1 + 5 * 64 / 128
    EXPECT_EQ(marker.Move({400, 0}), (MarkerPost{WM_MARKER_TRACKING, 6}));
    EXPECT_EQ(marker.Move({-50, 0}), (MarkerPost{WM_MARKER_TRACKING, 1}));
    EXPECT_EQ(marker.Release({168, 0}), (MarkerPost{WM_MARKER_CHANGED, 6}));
    EXPECT_FALSE(marker.Dragging());
    EXPECT_EQ(marker.Move({104, 108}), std::nullopt);
}

TEST(SliderMarker, VerticalDragReportsChangesAndPastEitherEndStopsAtTheLimits)
{
    SliderMarkerModel marker = DpiSlider();
    marker.Press();
    EXPECT_EQ(marker.Move({0, 0}), (MarkerPost{WM_MARKER_CHANGED, 216}));      // above the top
    EXPECT_EQ(marker.Move({0, 400}), (MarkerPost{WM_MARKER_CHANGED, 0}));      // below the bottom
    EXPECT_EQ(marker.Move({0, 157}), (MarkerPost{WM_MARKER_CHANGED, 108}));    // 216 * 108 / 215
    EXPECT_EQ(marker.Release({500, 265}), (MarkerPost{WM_MARKER_CHANGED, 0}));
}

TEST(SliderMarker, AReleaseWithoutMovingReportsTheValueUnderThePointer)
{
    SliderMarkerModel marker = LightingSlider();
    marker.SetValue(2);
    marker.Press();
    EXPECT_EQ(marker.Release({136, 108}), (MarkerPost{WM_MARKER_CHANGED, 4}));  // 1 + 5 * 96 / 128
    EXPECT_EQ(marker.Value(), 4);
}

TEST(SliderMarker, ACancelledDragNoLongerFollowsThePointer)
{
    SliderMarkerModel marker = LightingSlider();
    marker.Press();
    marker.CancelDrag();
    EXPECT_EQ(marker.Move({168, 108}), std::nullopt);
    EXPECT_EQ(marker.Value(), 1);
}

}  // namespace
}  // namespace norvale
