#pragma once
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// Shows "Skins\splash.png" for three seconds; neither clicks nor keys end it.
class CDlgSplash : public ui::WithMessageMap<CDlgSplash, ui::CDialog> {
public:
    CDlgSplash();
    ~CDlgSplash() override;

    static const ui::MessageMap<CDlgSplash>& Map();
    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;

private:
    std::intptr_t OnPaint(const ui::Message&);
    std::intptr_t OnTimer(const ui::Message&);

    HBITMAP picture_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace norvale
