#include "pages/win32/dlg_speed_dial.h"

namespace norvale {

const ui::MessageMap<CDlgSpeedDial>& CDlgSpeedDial::Map()
{
    using M = ui::MessageMap<CDlgSpeedDial>;
    static const M map{
        M::On(WM_LBUTTONDOWN, &CDlgSpeedDial::OnLeftButtonDown),
    };
    return map;
}

std::intptr_t CDlgSpeedDial::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    // Below the dial the press is left alone, default processing included.
    if (!dial_.Press(mouse.point)) return 0;
    RepaintNow();
    return Default();
}

}  // namespace norvale
