#include "app/win32/main_window_controls.h"

#include "app/mouse_views.h"
#include "skin/win32/module_directory.h"
#include "skin/win32/skin_bitmap.h"
#include "text/ui_texts.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

void Skin(CBitmapBtn& button, const ButtonPictures& pictures)
{
    const SkinBitmap normal = SkinBitmap::Decode(SkinPath(pictures.normal));
    const SkinBitmap hover = SkinBitmap::Decode(SkinPath(pictures.hover));
    const SkinBitmap pressed = SkinBitmap::Decode(SkinPath(pictures.pressed));
    const SkinBitmap disabled = SkinBitmap::Decode(SkinPath(pictures.disabled));
    button.SetStateBitmaps(0, 0, pictures.cut.width, pictures.cut.height, normal.Handle(), hover.Handle(),
                           pressed.Handle(), disabled.Handle());
}

void MakeButton(CBitmapBtn& button, ui::CWnd& window, const ui::Rect& rect, const ButtonPictures& pictures,
                std::wstring_view fontFace)
{
    button.Create(ui::NativeRect(rect), window, 0);
    Skin(button, pictures);
    button.SetCaptionFontHeight(kButtonCaptionHeight);
    button.SetFontFace(std::wstring(fontFace));
}

}  // namespace

void MainControls::Create(ui::CWnd& window, std::wstring_view fontFace, const MainClicks& clicks)
{
    for (const ImageButtonSpec& spec : MainImageButtons()) {
        CBitmapBtn& button = Button(spec.button);
        MakeButton(button, window, spec.rect, spec.pictures, fontFace);
        button.SetClickHandler([clicked = clicks.button, which = spec.button] { clicked(which); });
        if (spec.captionSlot != kNoCaption) button.SetCaption(UiText(spec.captionSlot));
        button.SetCaptionIndent(spec.captionIndent);
        if (spec.createdHidden) ShowWindow(button.Handle(), SW_HIDE);
    }
    for (int row = 1; row <= kFunctionButtonCount; ++row) {
        const int index = RowButton(row);
        CBitmapBtn& button = FunctionButton(index);
        MakeButton(button, window, FunctionButtonRect(row), kFunctionButtonPictures, fontFace);
        button.SetClickHandler([clicked = clicks.functionButton, index] { clicked(index); });
    }

    const SkinBitmap empty = SkinBitmap::Decode(SkinPath(kSliderEmptyPicture));
    const SkinBitmap full = SkinBitmap::Decode(SkinPath(kSliderFullPicture));
    for (std::size_t index = 0; index < sliders_.size(); ++index) {
        const SliderSpec& spec = MainSliders()[index];
        CDMarker& slider = sliders_[index];
        const ui::Rect& at = spec.createdAt;
        slider.Create(at.left, at.top, at.right, at.bottom, window.Handle(), static_cast<UINT>(spec.controlId));
        slider.SetTrackPictures(0, 0, kSliderPictureCut.width, kSliderPictureCut.height, empty.Handle(),
                                full.Handle());
        slider.SetRange(spec.minimum, spec.maximum);
        if (spec.createdHidden) ShowWindow(slider.Handle(), SW_HIDE);
    }
}

CBitmapBtn& MainControls::ViewButton(int view)
{
    switch (view) {
    case kSideView: return Button(MainButton::SideView);
    case kBackView: return Button(MainButton::Back);
    default: return Button(MainButton::TopView);
    }
}

}  // namespace norvale
