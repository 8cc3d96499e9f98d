#pragma once
#include <windows.h>

#include "skin/ui_font.h"
#include "skin/win32/gdi_handles.h"

namespace norvale {

GdiObject<HFONT> CreateUiFont(const FontSpec& spec);

// Windows 8 (version 6.2), where Simplified Chinese dialogs write in "黑体"
// rather than "宋体".
bool RunsOnWindows8();

}  // namespace norvale
