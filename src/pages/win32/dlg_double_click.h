#pragma once
#include "pages/win32/dlg_speed_dial.h"

namespace norvale {

// The double-click speed page: the dial sets `doubleClickLevel`, which
// reaches the system with the pointer settings, and traces the angle of
// each press on its ring.
class CDlgDoubleClick : public CDlgSpeedDial {
public:
    CDlgDoubleClick();
};

}  // namespace norvale
