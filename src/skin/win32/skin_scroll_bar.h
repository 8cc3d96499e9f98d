#pragma once
#include <windows.h>

#include "skin/scroll_bar_model.h"
#include "ui/geometry.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/window.h"

namespace norvale {

// A scroll bar control drawn from the scroll bar skin. It shows the scroll
// information it is given (SetScrollInfo on the control) and answers for it,
// the drag position as the track position; presses, holds and drags reach
// its parent as the scroll messages of a standard bar.
class CSkinScrollBar : public ui::WithMessageMap<CSkinScrollBar, ui::CWnd> {
public:
    // Vertical with SBS_VERT in the style, otherwise horizontal; hidden until shown.
    bool Create(DWORD style, const RECT& rect, ui::CWnd& parent, UINT id);
    // The skin stays its owner's and must outlive the bar; a cell's width is
    // the bar's thickness.
    void SetSkin(HBITMAP skin);
    bool Dragging() const { return model_.Dragging(); }

    static const ui::MessageMap<CSkinScrollBar>& Map();

private:
    void Carry(const BarUpdate& update);
    void SetRepeatTimer(RepeatTimer timer);

    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return 1; }
    std::intptr_t OnSize();
    std::intptr_t OnEnable();
    std::intptr_t OnLButtonDown(const ui::MouseArgs& mouse);
    std::intptr_t OnLButtonDblClk() { return 0; }
    std::intptr_t OnMouseMove(const ui::MouseArgs& mouse);
    std::intptr_t OnLButtonUp(const ui::MouseArgs& mouse);
    std::intptr_t OnMouseLeave();
    std::intptr_t OnTimer(const ui::TimerArgs& timer);
    std::intptr_t OnSetScrollInfo(const ui::Message& message);
    std::intptr_t OnGetScrollInfo(const ui::Message& message);

    HBITMAP skin_ = nullptr;
    ui::Size cell_;
    ScrollBarModel model_{false};
};

}  // namespace norvale
