#pragma once
#include <windows.h>

#include "skin/ui_font.h"
#include "skin/win32/gdi_handles.h"

namespace norvale {

GdiObject<HFONT> CreateUiFont(const FontSpec& spec);

}  // namespace norvale
