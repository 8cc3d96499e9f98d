#include "pages/win32/dlg_angle_snap.h"

#include "pages/page_resource_ids.h"

namespace norvale {

CDlgAngleSnap::CDlgAngleSnap() : WithMessageMap(IDD_ANGLE_SNAP, kAngleSnapBackground), model_(TheSettingsRecord().live)
{
}

const ui::MessageMap<CDlgAngleSnap>& CDlgAngleSnap::Map()
{
    using M = ui::MessageMap<CDlgAngleSnap>;
    static const M map{
        M::On(WM_LBUTTONDOWN, &CDlgAngleSnap::OnLeftButtonDown),
    };
    return map;
}

std::intptr_t CDlgAngleSnap::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    if (model_.Press(mouse.point)) RepaintNow();
    return Default();
}

}  // namespace norvale
