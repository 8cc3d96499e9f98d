#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "skin/paint_list.h"
#include "skin/win32/skin_bitmap.h"

namespace norvale {

// A skinned window's off-screen surface: its background image, decoded once
// at initialisation and owned by the window for its whole life.
class PageCanvas {
public:
    PageCanvas() = default;
    // Decodes the background the joined skin path names; false leaves the
    // window without a canvas.
    bool Load(std::wstring_view joinedBackgroundPath);

    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    const SkinBitmap& Bitmap() const { return bitmap_; }
    ui::Size Size() const { return bitmap_.Size(); }

private:
    SkinBitmap bitmap_;
};

// Executes the images and texts of a paint list on a surface, in order.
// Skin names are joined to the module directory; texts use the given font.
void DrawPaintOps(HDC surface, const PaintList& list, HFONT font);

// One paint of a skinned window: the background is drawn afresh on the
// canvas, then the list's operations, and the client area (or only its top
// copyHeight rows) goes to the screen in one copy. A window without a canvas
// shows black.
void PaintSkinnedWindow(HWND window, const PageCanvas& canvas, const PaintList& list, HFONT font,
                        std::optional<int> copyHeight = std::nullopt);

}  // namespace norvale
