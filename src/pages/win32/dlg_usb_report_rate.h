#pragma once
#include "pages/report_rate_page_model.h"
#include "pages/win32/skinned_page.h"
#include "ui/message_crackers.h"

namespace norvale {

// The polling-rate page of the settings column: a dial of four quarters
// that chooses 125, 250, 500 or 1000 Hz in the live settings. The column
// refreshes it by repainting it.
class CDlgUSBReportRate : public ui::WithMessageMap<CDlgUSBReportRate, CSkinnedPage> {
public:
    CDlgUSBReportRate();
    static const ui::MessageMap<CDlgUSBReportRate>& Map();

private:
    PaintList Paint() override { return model_.Paint(); }
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);

    ReportRatePageModel model_;
};

}  // namespace norvale
