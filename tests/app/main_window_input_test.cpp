#include <gtest/gtest.h>

#include "app/absent_mouse_countdown.h"
#include "app/axis_sliders.h"
#include "app/main_window_model.h"

namespace norvale {
namespace {

TEST(AbsentMouseCountdown, HidesAtTheFirstTwoNonClientPaintsWithoutTheMouse)
{
    AbsentMouseCountdown countdown;
    EXPECT_EQ(countdown.OnNcPaint(true), NcPaintResponse::Default);
    EXPECT_EQ(countdown.OnNcPaint(false), NcPaintResponse::Hide);
    EXPECT_EQ(countdown.OnNcPaint(true), NcPaintResponse::Default);
    EXPECT_EQ(countdown.OnNcPaint(false), NcPaintResponse::Hide);
    EXPECT_EQ(countdown.OnNcPaint(false), NcPaintResponse::Nothing);
    EXPECT_EQ(countdown.OnNcPaint(true), NcPaintResponse::Default);
}

TEST(AxisSliders, ReleasedValuesLandInTheirSettingsBytes)
{
    Settings live{};
    StoreSliderValue(live, 2025, 7);
    StoreSliderValue(live, 2026, 11);
    StoreSliderValue(live, 2040, 3);
    StoreSliderValue(live, 2041, 9);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&live);
    EXPECT_EQ(bytes[80], 7);
    EXPECT_EQ(bytes[81], 11);
    EXPECT_EQ(bytes[82], 3);
    Settings expected{};
    expected.sensitivityX = 7;
    expected.sensitivityY = 11;
    expected.liftOffDistance = 3;
    EXPECT_EQ(live, expected);
}

TEST(MainWindowModel, ButtonLabelsTakeOnlyTheSevenButtons)
{
    MainWindowModel model;
    model.StoreButtonLabel(6, L"Snipe");
    model.StoreButtonLabel(7, L"Lost");
    model.StoreButtonLabel(-1, L"Lost");
    EXPECT_EQ(model.buttonLabel[6], L"Snipe");
    EXPECT_EQ(model.menuButton, -1);
}

}  // namespace
}  // namespace norvale
