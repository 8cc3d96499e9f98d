#include "pages/report_rate_page_model.h"

#include <string>

#include "pages/dial_ring.h"

namespace norvale {
namespace {

constexpr ui::Point kDialOrigin{57, 5};
// Around the centre of the dial rectangle (57, 5, 185, 128), in integer pixels.
constexpr DialRing kRing{{121, 66}, 35.0, 64.0};

constexpr std::uint8_t kDivisor1000Hz = 1;
constexpr std::uint8_t kDivisor500Hz = 2;
constexpr std::uint8_t kDivisor250Hz = 4;
constexpr std::uint8_t kDivisor125Hz = 8;

bool IsDialRate(std::uint8_t divisor)
{
    return divisor == kDivisor1000Hz || divisor == kDivisor500Hz || divisor == kDivisor250Hz ||
           divisor == kDivisor125Hz;
}

}  // namespace

void ReportRatePageModel::Press(ui::Point point)
{
    if (!kRing.Contains(point)) return;
    const auto [dx, dy] = kRing.Offset(point);
    // The lines through the centre belong to no quarter.
    if (dx == 0 || dy == 0) return;
    if (dy < 0) {
        live_.reportRate = dx > 0 ? kDivisor1000Hz : kDivisor125Hz;
    } else {
        live_.reportRate = dx > 0 ? kDivisor500Hz : kDivisor250Hz;
    }
}

PaintList ReportRatePageModel::Paint()
{
    if (live_.reportRate == 0) live_.reportRate = kDivisor500Hz;
    PaintList list;
    list.background = std::wstring(kReportRateBackground);
    if (IsDialRate(live_.reportRate)) {
        list.Image(L"Skins\\/USBReportRate/" + std::to_wstring(1000 / live_.reportRate) + L"HZ.png", kDialOrigin.x,
                   kDialOrigin.y);
    }
    return list;
}

}  // namespace norvale
