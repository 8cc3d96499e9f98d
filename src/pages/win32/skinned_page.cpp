#include "pages/win32/skinned_page.h"

#include "skin/ui_font.h"
#include "skin/win32/module_directory.h"
#include "skin/win32/ui_font_win32.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kPageFontHeight = 13;

}  // namespace

const ui::MessageMap<CSkinnedPage>& CSkinnedPage::Map()
{
    using M = ui::MessageMap<CSkinnedPage>;
    static const M map{
        M::On(WM_PAINT, &CSkinnedPage::OnPaint),
        M::On(WM_ERASEBKGND, &CSkinnedPage::OnEraseBackground),
    };
    return map;
}

FontSpec CSkinnedPage::PageFont() const
{
    return {UiFontFace(UiLanguageCode()), kPageFontHeight, 0, ANSI_CHARSET};
}

bool CSkinnedPage::OnInitDialog()
{
    canvas_.Load(SkinPath(background_));
    font_ = CreateUiFont(PageFont());
    return true;
}

void CSkinnedPage::RepaintNow() const
{
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::intptr_t CSkinnedPage::OnPaint()
{
    PaintSkinnedWindow(Handle(), canvas_, Paint(), font_.Get());
    return 0;
}

}  // namespace norvale
