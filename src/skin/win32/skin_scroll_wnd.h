#pragma once
#include <windows.h>

namespace norvale {

// Gives a window that scrolls with the system's bars skinned bars instead:
// a frame takes the window's place in its parent, with its rectangle,
// control id, thin border, client edge and visibility as they are now, and
// holds the window in a clipping child that hides its own bars. The window
// keeps handling its scroll messages as before; the skinned bars send them
// and show its scroll information. The skin (the 9 x 3 scroll bar grid)
// stays the caller's and must outlive the window. When the window is
// destroyed, it goes back to its parent and the frame goes away.
// Returns the frame, to be shown with the window if the window was still
// hidden; null, and the window unchanged, when the skin cannot be read or
// the frame cannot be made.
HWND AttachSkinScrollFrame(HWND wrapped, HBITMAP skin);

}  // namespace norvale
