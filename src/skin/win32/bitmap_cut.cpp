#include "skin/win32/bitmap_cut.h"

namespace norvale {

GdiObject<HBITMAP> CutBitmap(HWND window, HBITMAP source, const ui::Rect& area)
{
    HDC screen = GetDC(window);
    GdiObject<HBITMAP> cut(CreateCompatibleBitmap(screen, area.Width(), area.Height()));
    {
        MemorySurface from(screen);
        MemorySurface to(screen);
        if (cut && from && to) {
            from.Select(source);
            to.Select(cut.Get());
            BitBlt(to.Get(), 0, 0, area.Width(), area.Height(), from.Get(), area.left, area.top, SRCCOPY);
        }
    }
    ReleaseDC(window, screen);
    return cut;
}

void ReplaceWithCut(HWND window, HBITMAP source, const ui::Rect& area, GdiObject<HBITMAP>& target)
{
    if (source) target = CutBitmap(window, source, area);
}

}  // namespace norvale
