#pragma once
#include "pages/speed_dial_model.h"
#include "pages/win32/skinned_page.h"
#include "ui/message_crackers.h"

namespace norvale {

// A page of the settings column with the half-circle dial of eleven steps;
// a press on its ring sets the page's field in the live settings.
class CDlgSpeedDial : public ui::WithMessageMap<CDlgSpeedDial, CSkinnedPage> {
public:
    static const ui::MessageMap<CDlgSpeedDial>& Map();

protected:
    CDlgSpeedDial(UINT templateId, SpeedDialModel dial)
        : WithMessageMap(templateId, kSpeedDialBackground), dial_(dial)
    {
    }

private:
    PaintList Paint() override { return dial_.Paint(); }
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);

    SpeedDialModel dial_;
};

}  // namespace norvale
