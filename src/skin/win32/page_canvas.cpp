#include "skin/win32/page_canvas.h"

#include <type_traits>

#include "skin/text_fit.h"
#include "skin/win32/module_directory.h"

namespace norvale {

static_assert(text_format::kCenter == DT_CENTER && text_format::kRight == DT_RIGHT &&
              text_format::kVerticalCenter == DT_VCENTER && text_format::kSingleLine == DT_SINGLELINE &&
              text_format::kNoClip == DT_NOCLIP && text_format::kNoPrefix == DT_NOPREFIX &&
              text_format::kEndEllipsis == DT_END_ELLIPSIS && text_format::kWordBreak == DT_WORDBREAK);

namespace {

// The surface's font at another height, same face and sign of height.
GdiObject<HFONT> FontAtHeight(const LOGFONTW& font, int height)
{
    LOGFONTW resized = font;
    resized.lfHeight = font.lfHeight < 0 ? -height : height;
    return GdiObject<HFONT>(CreateFontIndirectW(&resized));
}

int TextWidthIn(HDC surface, HFONT font, const std::wstring& text)
{
    ScopedSelection selection(surface, font);
    SIZE extent{};
    GetTextExtentPoint32W(surface, text.c_str(), static_cast<int>(text.size()), &extent);
    return static_cast<int>(extent.cx);
}

// A one-line text in a rectangle that it would overflow is drawn smaller, as
// image button captions are: German texts are the longest.
GdiObject<HFONT> FittedFont(HDC surface, const TextOp& op)
{
    const bool fitted = (op.format & text_format::kSingleLine) != 0 && (op.format & text_format::kNoClip) == 0;
    LOGFONTW font{};
    if (!fitted || !GetObjectW(GetCurrentObject(surface, OBJ_FONT), sizeof(font), &font)) return {};
    const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    const int fits = FitTextHeight(height, op.rect.Width(), [&](int candidate) {
        if (candidate == height) return TextWidthIn(surface, nullptr, op.text);  // the font selected now
        return TextWidthIn(surface, FontAtHeight(font, candidate).Get(), op.text);
    });
    return fits == height ? GdiObject<HFONT>() : FontAtHeight(font, fits);
}

// DrawTextW centres single lines only: a wrapped text that asks to be
// centred is measured first and its rectangle shrunk to that height, equally
// at top and bottom.
void CentreWrappedBlock(HDC surface, const TextOp& op, RECT& rect)
{
    constexpr unsigned kWrappedBlock = text_format::kWordBreak | text_format::kVerticalCenter;
    if ((op.format & kWrappedBlock) != kWrappedBlock || (op.format & text_format::kSingleLine) != 0) return;
    RECT measured = rect;
    const int height =
        DrawTextW(surface, op.text.c_str(), static_cast<int>(op.text.size()), &measured, op.format | DT_CALCRECT);
    const int spare = (rect.bottom - rect.top - height) / 2;
    rect.top += spare;
    rect.bottom -= spare;
}

void DrawText(HDC surface, const TextOp& op)
{
    RECT rect{op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
    CentreWrappedBlock(surface, op, rect);
    SetTextColor(surface, op.colour);
    const GdiObject<HFONT> smaller = FittedFont(surface, op);
    ScopedSelection selection(surface, smaller.Get());
    DrawTextW(surface, op.text.c_str(), static_cast<int>(op.text.size()), &rect, op.format);
}

}  // namespace

bool PageCanvas::Load(std::wstring_view joinedBackgroundPath)
{
    surface_ = SkinBitmap::Blank(Pictures().Picture(joinedBackgroundPath).Size());
    return static_cast<bool>(surface_);
}

void DrawPaintOps(HDC surface, const PaintList& list, HFONT font, SkinPictures& pictures)
{
    ScopedSelection fontSelection(surface, font);
    const int previousMode = SetBkMode(surface, TRANSPARENT);
    const COLORREF previousColour = GetTextColor(surface);
    for (const PaintOp& op : list.ops) {
        std::visit(
            [surface, &pictures](const auto& item) {
                if constexpr (std::is_same_v<std::decay_t<decltype(item)>, ImageOp>) {
                    DrawSkinBitmap(surface, pictures.Picture(SkinPath(item.skinName)), item.x, item.y);
                } else {
                    DrawText(surface, item);
                }
            },
            op);
    }
    SetTextColor(surface, previousColour);
    SetBkMode(surface, previousMode);
}

void PaintSkinnedWindow(HWND window, PageCanvas& canvas, const PaintList& list, HFONT font,
                        std::optional<int> copyHeight)
{
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    MemorySurface memory(screen);
    if (canvas && memory) {
        memory.Select(canvas.Surface().Handle());
        DrawSkinBitmap(memory.Get(), canvas.Pictures().Picture(SkinPath(list.background)), 0, 0);
        DrawPaintOps(memory.Get(), list, font, canvas.Pictures());
        BitBlt(screen, 0, 0, client.right, copyHeight.value_or(client.bottom), memory.Get(), 0, 0, SRCCOPY);
    } else {
        FillRect(screen, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    EndPaint(window, &paint);
}

}  // namespace norvale
