#include "pages/win32/dlg_mouse_speed.h"

#include "pages/page_resource_ids.h"

namespace norvale {

CDlgMouseSpeed::CDlgMouseSpeed() : CDlgSpeedDial(IDD_MOUSE_SPEED, PointerSpeedDial(TheSettingsRecord().live)) {}

}  // namespace norvale
