#include "pages/win32/dlg_double_click.h"

#include "pages/page_resource_ids.h"

namespace norvale {

CDlgDoubleClick::CDlgDoubleClick() : CDlgSpeedDial(IDD_DOUBLE_CLICK, DoubleClickDial(TheSettingsRecord().live)) {}

}  // namespace norvale
