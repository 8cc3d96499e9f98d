#pragma once
#include <windows.h>

#include <vector>

#include "skin/scroll_bar_paint.h"
#include "ui/geometry.h"

namespace norvale {

// One cell of the scroll bar skin's grid; empty when the bitmap cannot be read.
ui::Size ScrollSkinCellOf(HBITMAP skin);

// Carries out copies from the skin onto a surface.
void DrawSkinBlits(HDC target, HBITMAP skin, const std::vector<SkinBlit>& blits);

}  // namespace norvale
