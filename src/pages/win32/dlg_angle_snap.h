#pragma once
#include "pages/angle_snap_page_model.h"
#include "pages/win32/skinned_page.h"
#include "ui/message_crackers.h"

namespace norvale {

// The angle-snapping page of the settings column: "ON" and "OFF" for the
// mouse's angle snapping in the live settings. The column refreshes it by
// repainting it.
class CDlgAngleSnap : public ui::WithMessageMap<CDlgAngleSnap, CSkinnedPage> {
public:
    CDlgAngleSnap();
    static const ui::MessageMap<CDlgAngleSnap>& Map();

private:
    PaintList Paint() override { return model_.Paint(); }
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);

    AngleSnapPageModel model_;
};

}  // namespace norvale
