#pragma once
#include <string_view>

#include "pages/win32/settings_page.h"
#include "skin/paint_list.h"
#include "skin/ui_font.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/page_canvas.h"

namespace norvale {

// A settings page painted from its paint list over its background, in its
// page font: by default the UI face at the 13 pixels that the polling-rate,
// pointer, wheel and angle-snapping pages write in. Background erasing is
// suppressed: the paint covers everything.
class CSkinnedPage : public ui::WithMessageMap<CSkinnedPage, CSettingsPage> {
public:
    static const ui::MessageMap<CSkinnedPage>& Map();

protected:
    CSkinnedPage(UINT templateId, std::wstring_view background)
        : WithMessageMap(templateId), background_(background)
    {
    }
    bool OnInitDialog() override;

    std::wstring_view Background() const { return background_; }
    virtual PaintList Paint() = 0;
    virtual FontSpec PageFont() const;
    HFONT Font() const { return font_.Get(); }
    // Invalidates the page and paints it before returning.
    void RepaintNow() const;

private:
    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }

    std::wstring_view background_;
    PageCanvas canvas_;
    GdiObject<HFONT> font_;
};

}  // namespace norvale
