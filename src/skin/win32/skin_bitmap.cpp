#include "skin/win32/skin_bitmap.h"

#include <gdiplus.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/debug_output.h"
#include "skin/pixels.h"
#include "skin/skin_path.h"

namespace norvale {
namespace {

namespace gdip = Gdiplus::DllExports;

// GDI+ runs from the first decode to the end of the process.
bool EnsureGdiplus()
{
    struct Session {
        ULONG_PTR token = 0;
        bool started = false;
        Session()
        {
            Gdiplus::GdiplusStartupInput input;
            started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
            if (!started) DebugLine(L"GdiplusStartup failed\n");
        }
        ~Session()
        {
            if (started) Gdiplus::GdiplusShutdown(token);
        }
    };
    static const Session session;
    return session.started;
}

// A GDI+ image, disposed when it goes out of scope.
class GdipImage {
public:
    ~GdipImage()
    {
        if (image_) gdip::GdipDisposeImage(image_);
    }
    Gdiplus::GpImage* Get() const { return image_; }
    Gdiplus::GpImage** Receive() { return &image_; }
    Gdiplus::GpBitmap* AsBitmap() const { return static_cast<Gdiplus::GpBitmap*>(image_); }

private:
    Gdiplus::GpImage* image_ = nullptr;
};

bool CarriesAlpha(Gdiplus::GpImage* image)
{
    Gdiplus::PixelFormat format = 0;
    UINT flags = 0;
    gdip::GdipGetImagePixelFormat(image, &format);
    gdip::GdipGetImageFlags(image, &flags);
    return (format & PixelFormatAlpha) != 0 || (flags & Gdiplus::ImageFlagsHasAlpha) != 0;
}

// The image's pixels as 32-bit BGRA rows, top row first.
bool ReadPixels(Gdiplus::GpBitmap* bitmap, ui::Size size, std::vector<Bgra>& pixels)
{
    Gdiplus::Rect whole(0, 0, size.width, size.height);
    Gdiplus::BitmapData data{};
    if (gdip::GdipBitmapLockBits(bitmap, &whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok) {
        return false;
    }
    pixels.resize(static_cast<std::size_t>(size.width) * size.height);
    const auto* row = static_cast<const unsigned char*>(data.Scan0);
    for (int y = 0; y < size.height; ++y, row += data.Stride) {
        std::memcpy(&pixels[static_cast<std::size_t>(y) * size.width], row, size.width * sizeof(Bgra));
    }
    gdip::GdipBitmapUnlockBits(bitmap, &data);
    return true;
}

// A 32-bit bitmap of the size holding the pixels; all zero without them.
HBITMAP MakeDib(ui::Size size, const std::vector<Bgra>* pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top row first, as read
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && pixels) std::memcpy(bits, pixels->data(), pixels->size() * sizeof(Bgra));
    return bitmap;
}

ui::Size ImageSize(Gdiplus::GpImage* image)
{
    UINT width = 0;
    UINT height = 0;
    gdip::GdipGetImageWidth(image, &width);
    gdip::GdipGetImageHeight(image, &height);
    return {static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace

SkinBitmap SkinBitmap::Decode(std::wstring_view joinedPath)
{
    SkinBitmap result;
    if (!EnsureGdiplus()) return result;
    const std::wstring path = ResolveSkinPath(joinedPath);
    GdipImage image;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok) return result;
    *image.Receive() = bitmap;
    const ui::Size size = ImageSize(image.Get());
    std::vector<Bgra> pixels;
    if (size.width <= 0 || size.height <= 0 || !ReadPixels(image.AsBitmap(), size, pixels)) return result;
    const bool hasAlpha = CarriesAlpha(image.Get());
    if (hasAlpha) Premultiply(pixels);
    result.bitmap_.Reset(MakeDib(size, &pixels));
    if (!result.bitmap_) return result;
    result.size_ = size;
    result.hasAlpha_ = hasAlpha;
    return result;
}

SkinBitmap SkinBitmap::Blank(ui::Size size)
{
    SkinBitmap result;
    if (size.width <= 0 || size.height <= 0) return result;
    result.bitmap_.Reset(MakeDib(size, nullptr));
    if (result.bitmap_) result.size_ = size;
    return result;
}

void DrawSkinBitmap(HDC surface, const SkinBitmap& bitmap, int x, int y)
{
    MemorySurface source(surface);
    if (!bitmap || !source) return;
    source.Select(bitmap.Handle());
    const ui::Size size = bitmap.Size();
    if (bitmap.HasAlpha()) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(surface, x, y, size.width, size.height, source.Get(), 0, 0, size.width, size.height, blend);
    } else {
        StretchBlt(surface, x, y, size.width, size.height, source.Get(), 0, 0, size.width, size.height, SRCCOPY);
    }
}

bool StartSkinDecoding() { return EnsureGdiplus(); }

}  // namespace norvale
