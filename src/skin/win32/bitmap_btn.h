#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "skin/bitmap_button_model.h"
#include "skin/win32/gdi_handles.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/window.h"

namespace norvale {

// The skinned push button: a system button drawn by the program from four
// state pictures, with an optional caption. It lights while hovered, shows
// pressed and disabled pictures, and clicks like any button: to the click
// handler its owner gave it, or, without one, as the parent's command of its
// id. Every mouse move over it and every left-button release is passed on
// to its parent.
class CBitmapBtn : public ui::WithMessageMap<CBitmapBtn, ui::CWnd> {
public:
    bool Create(const RECT& rect, ui::CWnd& parent, UINT id);
    // Takes over a button of a dialog template.
    bool SubclassButton(HWND button);

    // Each present source gives the picture of its state: the rectangle from
    // (x0, y0) to (x1, y1), cut 1:1.
    void SetStateBitmaps(int x0, int y0, int x1, int y1, HBITMAP normal, HBITMAP hover, HBITMAP pressed,
                         HBITMAP disabled);
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    const std::wstring& Caption() const { return caption_; }
    void SetCaptionFontHeight(int height) { fontHeight_ = height; }
    void SetCaptionIndent(int indent) { indent_ = indent; }
    void SetFontFace(std::wstring face) { fontFace_ = std::move(face); }
    void SetClickHandler(std::function<void()> handler) { clicked_ = std::move(handler); }

    bool IsLit() const { return hover_.Lit(); }
    // Lights or dims the button as its owner decides, for instance to keep
    // it lit while a menu it opened is shown; repaints only on a change.
    void SetLit(bool lit);

    static const ui::MessageMap<CBitmapBtn>& Map();

private:
    void BecomeOwnerDrawn();
    void Draw(const DRAWITEMSTRUCT& item) const;
    void DrawCaption(HDC target, HBITMAP face, const RECT& client) const;
    void Carry(const HoverActions& actions);
    HWND OwnerOrParent() const;

    std::intptr_t OnMouseMove(const ui::MouseArgs& mouse);
    std::intptr_t OnLButtonDown();
    std::intptr_t OnLButtonUp();
    std::intptr_t OnKillFocus();
    std::intptr_t OnCaptureChanged();
    std::intptr_t OnEraseBackground() { return 0; }
    std::intptr_t OnDrawItem(const ui::Message& message);
    std::optional<std::intptr_t> OnCommand(const ui::CommandArgs& command);

    int fontHeight_ = 14;
    int indent_ = 0;
    ButtonHover hover_;
    std::wstring fontFace_;
    // Normal, hover, pressed and disabled, as ButtonFace numbers them.
    std::array<std::shared_ptr<const GdiObject<HBITMAP>>, 4> faces_;
    std::wstring caption_;
    std::function<void()> clicked_;
};

}  // namespace norvale
