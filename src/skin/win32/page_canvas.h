#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "skin/paint_list.h"
#include "skin/win32/skin_bitmap.h"
#include "skin/win32/skin_pictures.h"

namespace norvale {

// A skinned window's off-screen surface, the size of its background. The
// pictures it paints come from the shared ones, decoded once, at first use
// or ahead of time, so a repaint decodes nothing.
class PageCanvas {
public:
    PageCanvas() = default;
    // Sizes the surface by the background the joined skin path names; false
    // leaves the window without a canvas.
    bool Load(std::wstring_view joinedBackgroundPath);

    explicit operator bool() const { return static_cast<bool>(surface_); }
    const SkinBitmap& Surface() const { return surface_; }
    ui::Size Size() const { return surface_.Size(); }
    SkinPictures& Pictures() { return SharedSkinPictures(); }

private:
    SkinBitmap surface_;
};

// Executes the images and texts of a paint list on a surface, in order.
// Skin names are joined to the module directory and taken from the
// pictures; texts use the given font.
void DrawPaintOps(HDC surface, const PaintList& list, HFONT font, SkinPictures& pictures);

// One paint of a skinned window: the background is drawn afresh on the
// canvas, then the list's operations, and the client area (or only its top
// copyHeight rows) goes to the screen in one copy. A window without a canvas
// shows black.
void PaintSkinnedWindow(HWND window, PageCanvas& canvas, const PaintList& list, HFONT font,
                        std::optional<int> copyHeight = std::nullopt);

}  // namespace norvale
