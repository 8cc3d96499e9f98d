#include "skin/win32/scroll_skin.h"

#include "skin/win32/gdi_handles.h"

namespace norvale {

ui::Size ScrollSkinCellOf(HBITMAP skin)
{
    BITMAP bitmap{};
    if (!skin || !GetObjectW(skin, sizeof bitmap, &bitmap)) return {};
    return ScrollSkinCell({bitmap.bmWidth, bitmap.bmHeight});
}

void DrawSkinBlits(HDC target, HBITMAP skin, const std::vector<SkinBlit>& blits)
{
    MemorySurface source(target);
    if (!source) return;
    source.Select(skin);
    SetStretchBltMode(target, COLORONCOLOR);
    for (const SkinBlit& blit : blits) {
        const ui::Rect& from = blit.source;
        const ui::Rect& to = blit.target;
        StretchBlt(target, to.left, to.top, to.Width(), to.Height(), source.Get(), from.left, from.top, from.Width(),
                   from.Height(), SRCCOPY);
    }
}

}  // namespace norvale
