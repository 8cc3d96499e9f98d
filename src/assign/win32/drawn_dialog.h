#pragma once
#include <windows.h>

#include <string_view>

#include "assign/drawn_button_hover.h"
#include "skin/win32/page_canvas.h"
#include "ui/geometry.h"

namespace norvale {

// What the key and macro dialogs share as windows that paint their own
// background and buttons.

// Loads the background the dialog is sized by and sizes it, centred on its
// owner. False, after the message box the dialog names, when the picture
// cannot be read.
bool SizeDialogByBackground(HWND dialog, PageCanvas& canvas, std::wstring_view backgroundFile,
                            std::wstring_view failedText, std::wstring_view failedCaption);

// A static child for a name the dialog shows, in the dialog's font.
HWND CreateNameDisplay(HWND dialog, int id, const ui::Rect& rect, DWORD style, HFONT font, std::wstring_view text);

// The pointer moved over the dialog: asks for a hover notice over a button
// after hoverMilliseconds, or repaints when a button went dark.
void TrackDrawnButtons(HWND dialog, DrawnButtonHover& hover, ui::Point point, DWORD hoverMilliseconds);

// The pointer rested: the button under it lights at once.
void LightDrawnButton(HWND dialog, DrawnButtonHover& hover, ui::Point point);

// Starts dragging the dialog from a client point, as by its caption.
void DragDialogFrom(HWND dialog, ui::Point point);

}  // namespace norvale
