#pragma once
#include "app/button_selection.h"
#include "app/section_layout.h"
#include "skin/paint_list.h"

namespace norvale {

// Everything one paint of the main window draws over its background, in
// stacking order: logo and middle panel, the mouse in its current view with
// its hot spots, the left column, and the panels of the open sections with
// their texts in the current language.
PaintList MainWindowPaintList(const ButtonSelection& selection, const Sections& sections);

}  // namespace norvale
