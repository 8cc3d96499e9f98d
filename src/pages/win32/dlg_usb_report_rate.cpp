#include "pages/win32/dlg_usb_report_rate.h"

#include "pages/page_resource_ids.h"

namespace norvale {

CDlgUSBReportRate::CDlgUSBReportRate()
    : WithMessageMap(IDD_REPORT_RATE, kReportRateBackground), model_(TheSettingsRecord().live)
{
}

const ui::MessageMap<CDlgUSBReportRate>& CDlgUSBReportRate::Map()
{
    using M = ui::MessageMap<CDlgUSBReportRate>;
    static const M map{
        M::On(WM_LBUTTONDOWN, &CDlgUSBReportRate::OnLeftButtonDown),
    };
    return map;
}

std::intptr_t CDlgUSBReportRate::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    model_.Press(mouse.point);
    RepaintNow();
    return Default();
}

}  // namespace norvale
