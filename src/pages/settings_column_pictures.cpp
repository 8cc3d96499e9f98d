#include "pages/settings_column_pictures.h"

#include "pages/angle_snap_page_model.h"
#include "pages/dpi_page_layout.h"
#include "pages/lighting_page_layout.h"
#include "pages/page_container_model.h"
#include "pages/report_rate_page_model.h"
#include "pages/speed_dial_model.h"
#include "pages/wheel_page_model.h"

namespace norvale {

std::vector<std::wstring_view> SettingsColumnStartPictures()
{
    std::vector<std::wstring_view> names{kColumnBackgroundAtStart, kPageHeaderPicture};
    for (int section = 0; section < kPageSectionCount; ++section) names.push_back(PageSizePicture(section));
    names.insert(names.end(), {kDpiBackground, kDpiTrackEmpty, kDpiTrackFull, kLightingBackground, kLightingTrackEmpty,
                               kLightingTrackFull, kReportRateBackground, kSpeedDialBackground, kWheelPageBackground,
                               kAngleSnapBackground});
    return names;
}

}  // namespace norvale
