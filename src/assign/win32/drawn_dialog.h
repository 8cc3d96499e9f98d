#pragma once
#include <windows.h>

#include <string_view>

#include "assign/drawn_button_hover.h"
#include "skin/paint_list.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/page_canvas.h"
#include "ui/geometry.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// A dialog that paints its background, buttons and texts itself from its
// paint list, in its font, and lights the drawn button the pointer rests on:
// the key dialog, the macro dialog and the macro manager.
class CDrawnDialog : public ui::WithMessageMap<CDrawnDialog, ui::CDialog> {
public:
    static const ui::MessageMap<CDrawnDialog>& Map();

protected:
    // hoverMilliseconds: how long the pointer rests before a button lights.
    CDrawnDialog(UINT templateId, DWORD hoverMilliseconds)
        : WithMessageMap(templateId), hoverMilliseconds_(hoverMilliseconds)
    {
    }

    virtual PaintList Paint() const = 0;
    virtual DrawnButtonHover& Hover() = 0;

    // Loads the background the dialog is sized by and sizes it, centred on
    // its owner. False, after the message box the dialog names, when the
    // picture cannot be read.
    bool SizeByBackground(std::wstring_view backgroundFile, std::wstring_view failedText,
                          std::wstring_view failedCaption);
    // A static child for a name the dialog shows, in the dialog's font.
    HWND CreateNameDisplay(int id, const ui::Rect& rect, DWORD style, std::wstring_view text) const;
    // Starts dragging the dialog from a client point, as by its caption.
    void DragFrom(ui::Point point) const;
    void RepaintNow() const;

    PageCanvas& Canvas() { return canvas_; }
    HFONT Font() const { return font_.Get(); }
    void SetFont(GdiObject<HFONT> font) { font_ = std::move(font); }

private:
    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }
    void OnMouseMove(const ui::MouseArgs& mouse);
    void OnMouseHover(const ui::MouseArgs& mouse);

    DWORD hoverMilliseconds_;
    PageCanvas canvas_;
    GdiObject<HFONT> font_;
};

}  // namespace norvale
