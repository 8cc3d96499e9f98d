#include "skin/bitmap_button_model.h"

namespace norvale {

ButtonFace ChooseButtonFace(bool disabled, bool pressed, bool hover)
{
    if (disabled) return ButtonFace::Disabled;
    if (pressed) return ButtonFace::Pressed;
    return hover ? ButtonFace::Hover : ButtonFace::Normal;
}

ui::Rect CaptionRect(const ui::Rect& client, int indent)
{
    ui::Rect rect = client;
    rect.left += 5 + (indent > 0 ? indent : 0);
    return rect;
}

FontSpec CaptionFont(std::wstring_view face, int height)
{
    return {.face = face, .height = height, .weight = 550, .charset = 1, .quality = 5, .pitchAndFamily = 0x30};
}

int FitCaptionHeight(int height, int width, const TextWidth& widthAt)
{
    return FitTextHeight(height, width - kCaptionEndMargin, widthAt);
}

HoverActions ButtonHover::OnMouseMove(const PointerFacts& facts)
{
    // A drag that started elsewhere does not light the button.
    if (facts.leftButtonDown && !lit_) return {};
    HoverActions actions;
    actions.repostMove = true;
    if (!facts.buttonHoldsCapture && facts.hasActiveWindow && facts.hasOwnerOrParent) {
        if (facts.clientX >= 0) {
            lit_ = true;
            actions.takeCapture = actions.invalidate = actions.activate = true;
        }
        return actions;
    }
    if (facts.overAnotherWindow || facts.clientX < 0) {
        if (lit_) {
            lit_ = false;
            actions.invalidate = true;
        }
        // Only a capture of its own is the button's to give up.
        actions.releaseCapture = !facts.leftButtonDown && facts.buttonHoldsCapture;
    }
    return actions;
}

HoverActions ButtonHover::OnCaptureChanged() const
{
    HoverActions actions;
    actions.releaseCapture = actions.invalidate = lit_;
    return actions;
}

}  // namespace norvale
