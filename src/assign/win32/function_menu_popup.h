#pragma once
#include <windows.h>

#include <array>

#include "assign/function_menus.h"

namespace norvale {

// Shows a button's function menu, its items owner-drawn in `font`, with
// its top-left corner at the screen point `anchor`, and returns when it
// closes. A chosen item reaches `owner` afterwards, through its queue, as
// a command; the menus are gone by then.
void TrackFunctionMenu(HWND owner, HFONT font, const std::array<FunctionMenu, kFunctionMenuCount>& menus,
                       ui::Point anchor);

}  // namespace norvale
