#pragma once
#include <windows.h>

#include <string_view>

#include "skin/win32/gdi_handles.h"
#include "ui/geometry.h"

namespace norvale {

// A decoded skin image as a device-independent bitmap at its natural size.
// Images with an alpha channel hold premultiplied pixels, ready for
// per-pixel blending; the others are opaque.
class SkinBitmap {
public:
    SkinBitmap() = default;

    // Decodes the file the joined skin path names; empty when it cannot.
    static SkinBitmap Decode(std::wstring_view joinedPath);
    // An opaque surface of the size, to draw pictures on.
    static SkinBitmap Blank(ui::Size size);

    HBITMAP Handle() const { return bitmap_.Get(); }
    ui::Size Size() const { return size_; }
    bool HasAlpha() const { return hasAlpha_; }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }

private:
    GdiObject<HBITMAP> bitmap_;
    ui::Size size_;
    bool hasAlpha_ = false;
};

// Puts the whole bitmap on the surface at (x, y), 1:1: blended source-over
// when it has alpha, copied when it is opaque.
void DrawSkinBitmap(HDC surface, const SkinBitmap& bitmap, int x, int y);

// Starts the decoder on the calling thread; decodes on other threads need it
// started first. False when the decoder cannot run.
bool StartSkinDecoding();

}  // namespace norvale
