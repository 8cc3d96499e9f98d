#pragma once
#include "pages/win32/dlg_speed_dial.h"

namespace norvale {

// The pointer-speed page: the dial sets `pointerSpeed`, which reaches the
// system with the pointer settings.
class CDlgMouseSpeed : public CDlgSpeedDial {
public:
    CDlgMouseSpeed();
};

}  // namespace norvale
