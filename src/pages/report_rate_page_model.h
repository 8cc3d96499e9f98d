#pragma once
#include <string_view>

#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// The picture the page paints over, which also gives it its size.
inline constexpr std::wstring_view kReportRateBackground = L"Skins\\USBReportRate\\BK_USBReportRate.png";

// The polling-rate page: a round dial in four quarters, clockwise from the
// upper left 125, 1000, 500 and 250 Hz, stored as the divisor of 1000 in
// `reportRate`. Only a ring around the dial's centre takes presses.
class ReportRatePageModel {
public:
    explicit ReportRatePageModel(Settings& live) : live_(live) {}

    // A left-button press in the page; the page repaints afterwards whether
    // or not the rate changed.
    void Press(ui::Point point);

    // The dial of the stored rate over the background. A record that holds
    // no rate yet (0) is given 500 Hz here, as the page first shows it; any
    // other divisor than 1, 2, 4 or 8 shows no dial and stays as it is.
    PaintList Paint();

private:
    Settings& live_;
};

}  // namespace norvale
