#include "pages/win32/blank_page.h"

#include "skin/paint_list.h"
#include "skin/win32/module_directory.h"

namespace norvale {

const ui::MessageMap<CBlankPage>& CBlankPage::Map()
{
    using M = ui::MessageMap<CBlankPage>;
    static const M map{
        M::On(WM_PAINT, &CBlankPage::OnPaint),
        M::On(WM_ERASEBKGND, &CBlankPage::OnEraseBackground),
    };
    return map;
}

bool CBlankPage::OnInitDialog()
{
    canvas_.Load(SkinPath(background_));
    return true;
}

std::intptr_t CBlankPage::OnPaint()
{
    PaintList list;
    list.background = std::wstring(background_);
    PaintSkinnedWindow(Handle(), canvas_, list, nullptr);
    return 0;
}

}  // namespace norvale
