#pragma once
#include <string_view>

#include "pages/win32/settings_page.h"
#include "skin/win32/page_canvas.h"

namespace norvale {

// A page that shows only its background picture: the place of a page whose
// controls come later, already of its real size under its header.
class CBlankPage : public ui::WithMessageMap<CBlankPage, CSettingsPage> {
public:
    CBlankPage(UINT templateId, std::wstring_view background)
        : WithMessageMap(templateId), background_(background)
    {
    }
    static const ui::MessageMap<CBlankPage>& Map();

protected:
    bool OnInitDialog() override;

private:
    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }

    std::wstring_view background_;
    PageCanvas canvas_;
};

}  // namespace norvale
