#include "pages/report_rate_page_model.h"

#include <gtest/gtest.h>

namespace norvale {
namespace {

// No quarter stores this divisor, so a press that keeps it changed nothing.
constexpr std::uint8_t kUntouched = 16;

TEST(ReportRatePage, OnlyTheRingAroundTheCentreChoosesAQuarter)
{
    // The dial's centre is (121, 66); the ring runs from r = 35 to r = 64.
    const struct {
        ui::Point press;
        std::uint8_t stored;
    } cases[] = {
        {{161, 56}, 1},            // upper right, r ≈ 41.2: 1000 Hz
        {{81, 56}, 8},             // upper left: 125 Hz
        {{81, 76}, 4},             // lower left: 250 Hz
        {{161, 76}, 2},            // lower right: 500 Hz
        {{142, 38}, 1},            // r = 35, the ring's inner edge
        {{166, 21}, 1},            // r ≈ 63.6
        {{121, 66}, kUntouched},   // the centre
        {{142, 39}, kUntouched},   // r ≈ 34.2, in the hole
        {{167, 21}, kUntouched},   // r ≈ 64.4, just outside
        {{191, 66}, kUntouched},   // r = 70
        {{161, 66}, kUntouched},   // on the horizontal line through the centre
        {{121, 26}, kUntouched},   // on the vertical line
        {{121, 106}, kUntouched},  // ... below the centre
    };
    for (const auto& [press, stored] : cases) {
        Settings live{};
        live.reportRate = kUntouched;
        ReportRatePageModel page{live};
        page.Press(press);
        EXPECT_EQ(live.reportRate, stored) << "(" << press.x << ", " << press.y << ")";
    }
}

TEST(ReportRatePage, PaintShowsTheDialOfTheStoredRate)
{
    const struct {
        std::uint8_t divisor;
        const wchar_t* dial;
    } cases[] = {
        {1, L"Skins\\/USBReportRate/1000HZ.png"},
        {2, L"Skins\\/USBReportRate/500HZ.png"},
        {4, L"Skins\\/USBReportRate/250HZ.png"},
        {8, L"Skins\\/USBReportRate/125HZ.png"},
    };
    for (const auto& [divisor, dial] : cases) {
        Settings live{};
        live.reportRate = divisor;
        const PaintList list = ReportRatePageModel{live}.Paint();
        EXPECT_EQ(list.background, L"Skins\\USBReportRate\\BK_USBReportRate.png");
        EXPECT_EQ(list.ops, (std::vector<PaintOp>{ImageOp{dial, 57, 5}})) << int{divisor};
        EXPECT_EQ(live.reportRate, divisor);
    }
}

TEST(ReportRatePage, AnEmptyRateBecomes500HzOnTheFirstPaint)
{
    Settings live{};
    ReportRatePageModel page{live};
    const PaintList list = page.Paint();
    EXPECT_EQ(live.reportRate, 2);
    EXPECT_EQ(list.ops, (std::vector<PaintOp>{ImageOp{L"Skins\\/USBReportRate/500HZ.png", 57, 5}}));
}

TEST(ReportRatePage, AnotherDivisorShowsNoDialAndIsKept)
{
    for (const std::uint8_t divisor : {3, 5, 16, 255}) {
        Settings live{};
        live.reportRate = divisor;
        EXPECT_TRUE(ReportRatePageModel{live}.Paint().ops.empty()) << int{divisor};
        EXPECT_EQ(live.reportRate, divisor);
    }
}

}  // namespace
}  // namespace norvale
