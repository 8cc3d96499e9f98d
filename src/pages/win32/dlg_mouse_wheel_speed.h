#pragma once
#include "pages/wheel_page_model.h"
#include "pages/win32/skinned_page.h"
#include "ui/message_crackers.h"
#include "ui/win32/edit.h"

namespace norvale {

// The wheel page of the settings column: scroll a number of lines per
// notch, typed into its box or stepped with the box's arrows, or one screen
// per notch. It edits the live settings at once.
class CDlgMouseWheelSpeed : public ui::WithMessageMap<CDlgMouseWheelSpeed, CSkinnedPage> {
public:
    CDlgMouseWheelSpeed();
    static const ui::MessageMap<CDlgMouseWheelSpeed>& Map();

    // The box follows the settings again: enabled with the lines, or
    // disabled while one screen is chosen.
    void Refresh() override;

protected:
    bool OnInitDialog() override;

private:
    PaintList Paint() override { return model_.Paint(); }
    void Carry(const LinesBoxUpdate& update);
    void OnLinesBoxChanged();
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);

    WheelPageModel model_;
    ui::CEdit linesBox_;
};

}  // namespace norvale
