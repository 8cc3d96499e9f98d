#include "pages/speed_dial_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string>

#include "pages/dial_ring.h"
#include "platform/debug_output.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr ui::Point kNeedleOrigin{50, 20};
constexpr DialRing kRing{{121, 91}, 43.0, 71.0};
// The dial's own degrees per radian, a hair above the exact value; where a
// step begins follows from it.
constexpr double kDialDegreesPerRadian = 57.295780490442965;
constexpr int kSlowest = 1;
constexpr int kFastest = 11;

constexpr int kSlowSlot = 44;
constexpr int kFastSlot = 45;
constexpr unsigned kLabelFormat = text_format::kVerticalCenter | text_format::kSingleLine;

// Degrees from the right (0) over the top (90) to the left (180). The last
// few degrees before the left count as 185, so that they reach the slowest
// step rather than the second.
double DialDegrees(int dx, int dy)
{
    const double across = std::abs(dx);
    const double up = std::abs(dy);
    if (dx > 0) return std::atan(up / across) * kDialDegreesPerRadian;
    if (dx == 0) return 90.0;
    // atan2 also gives straight left (up = 0) its quarter turn.
    const double degrees = 90.0 + std::atan2(across, up) * kDialDegreesPerRadian;
    return degrees >= 175.0 ? 185.0 : degrees;
}

void TraceAngle(double degrees)
{
    wchar_t line[64];
    std::swprintf(line, std::size(line), L"angle/18:angle=%f,angle/18=%d\n", degrees,
                  static_cast<int>(degrees / 18.0));
    DebugLine(line);
}

}  // namespace

bool SpeedDialModel::Press(ui::Point point)
{
    const auto [dx, dy] = kRing.Offset(point);
    if (dy > 0) return false;
    int step = Value();
    if (kRing.Contains(point)) {
        const double degrees = DialDegrees(dx, dy);
        if (trace_ == AngleTrace::On) TraceAngle(degrees);
        step = static_cast<int>(12.0 - degrees / 18.0);
    }
    // Even a press off the ring leaves a valid step behind.
    Value() = static_cast<std::uint8_t>(std::clamp(step, kSlowest, kFastest));
    return true;
}

PaintList SpeedDialModel::Paint() const
{
    PaintList list;
    list.background = std::wstring(kSpeedDialBackground);
    list.Image(L"Skins\\/MouseAttribute/Speed/" + std::to_wstring(Value()) + L".png", kNeedleOrigin.x,
               kNeedleOrigin.y);
    list.Text(UiText(kSlowSlot), {5, 73, 50, 103}, text_format::kRight | kLabelFormat);
    list.Text(UiText(kFastSlot), {192, 73, 237, 103}, text_format::kLeft | kLabelFormat);
    return list;
}

SpeedDialModel PointerSpeedDial(Settings& live)
{
    return {live, &Settings::pointerSpeed, SpeedDialModel::AngleTrace::Off};
}

SpeedDialModel DoubleClickDial(Settings& live)
{
    return {live, &Settings::doubleClickLevel, SpeedDialModel::AngleTrace::On};
}

}  // namespace norvale
