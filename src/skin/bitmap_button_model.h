#pragma once
#include <string_view>

#include "skin/paint_list.h"
#include "skin/text_fit.h"
#include "skin/ui_font.h"
#include "ui/geometry.h"

namespace norvale {

enum class ButtonFace { Normal, Hover, Pressed, Disabled };

// Disabled wins over everything, pressed over hover.
ButtonFace ChooseButtonFace(bool disabled, bool pressed, bool hover);

// Captions: one line, vertically centred, 5 pixels (plus a positive indent)
// from the left; too long, drawn smaller and then cut with an ellipsis.
inline constexpr unsigned kCaptionFormat = text_format::kLeft | text_format::kVerticalCenter |
                                           text_format::kSingleLine | text_format::kNoPrefix |
                                           text_format::kEndEllipsis;
ui::Rect CaptionRect(const ui::Rect& client, int indent);
FontSpec CaptionFont(std::wstring_view face, int height);

// A caption fits when it keeps this far from the button's right frame.
inline constexpr int kCaptionEndMargin = 3;
// The largest font height from `height` down to the smallest text height at
// which the caption fits `width` (the caption rectangle's) with the margin;
// the smallest when none does.
int FitCaptionHeight(int height, int width, const TextWidth& widthAt);
inline constexpr unsigned kCaptionColour = 0xFDFDFD;

// What the button sees of the pointer on a mouse move.
struct PointerFacts {
    bool leftButtonDown = false;
    bool buttonHoldsCapture = false;
    bool hasActiveWindow = false;
    bool hasOwnerOrParent = false;
    int clientX = 0;
    bool overAnotherWindow = false;  // some window lies under the pointer and it is not the button
};

struct HoverActions {
    bool takeCapture = false;
    bool releaseCapture = false;
    bool invalidate = false;
    bool activate = false;
    bool repostMove = false;
    friend bool operator==(const HoverActions&, const HoverActions&) = default;
};

// The hover highlight: lit while the pointer is over the button, which holds
// the mouse capture meanwhile to notice the pointer leaving. A press keeps
// the capture past leaving, so the button still sees its release.
class ButtonHover {
public:
    bool Lit() const { return lit_; }

    HoverActions OnMouseMove(const PointerFacts& facts);
    // The capture went elsewhere: let it go; the next move outside unlights.
    HoverActions OnCaptureChanged() const;
    // Focus lost, or the owner lights or dims the button itself (a button
    // whose menu is open stays lit).
    void Set(bool lit) { lit_ = lit; }

private:
    bool lit_ = false;
};

}  // namespace norvale
