#pragma once
#include "skin/win32/skin_bitmap.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// Shows "Skins\splash.png" for three seconds; neither clicks nor keys end it.
class CDlgSplash : public ui::WithMessageMap<CDlgSplash, ui::CDialog> {
public:
    CDlgSplash();

    static const ui::MessageMap<CDlgSplash>& Map();
    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;

private:
    std::intptr_t OnPaint();
    std::intptr_t OnTimer();

    SkinBitmap picture_;
};

}  // namespace norvale
