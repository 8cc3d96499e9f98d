#pragma once
#include <windows.h>

#include "skin/win32/gdi_handles.h"
#include "ui/geometry.h"

namespace norvale {

// A bitmap of its own, compatible with the window's screen surface, holding
// the part of the source that starts at area's top-left corner, 1:1.
GdiObject<HBITMAP> CutBitmap(HWND window, HBITMAP source, const ui::Rect& area);

// Replaces target with a cut of source; without a source, target stays.
void ReplaceWithCut(HWND window, HBITMAP source, const ui::Rect& area, GdiObject<HBITMAP>& target);

}  // namespace norvale
