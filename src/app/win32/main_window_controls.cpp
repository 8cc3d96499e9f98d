#include "app/win32/main_window_controls.h"

#include "app/mouse_views.h"
#include "skin/win32/module_directory.h"
#include "text/ui_texts.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

void MakeButton(CBitmapBtn& button, ui::CWnd& window, const ui::Rect& rect, const ButtonPictures& pictures,
                std::wstring_view fontFace, SkinPictures& decoded)
{
    button.Create(ui::NativeRect(rect), window, 0);
    const auto handle = [&decoded](std::wstring_view picture) { return decoded.Picture(SkinPath(picture)).Handle(); };
    button.SetStateBitmaps(0, 0, pictures.cut.width, pictures.cut.height, handle(pictures.normal),
                           handle(pictures.hover), handle(pictures.pressed), handle(pictures.disabled));
    button.SetCaptionFontHeight(kButtonCaptionHeight);
    button.SetFontFace(std::wstring(fontFace));
}

}  // namespace

void MainControls::Create(ui::CWnd& window, std::wstring_view fontFace, const MainClicks& clicks,
                          SkinPictures& decoded)
{
    for (const ImageButtonSpec& spec : MainImageButtons()) {
        CBitmapBtn& button = Button(spec.button);
        MakeButton(button, window, spec.rect, spec.pictures, fontFace, decoded);
        button.SetClickHandler([clicked = clicks.button, which = spec.button] { clicked(which); });
        if (spec.captionSlot != kNoCaption) button.SetCaption(UiText(spec.captionSlot));
        button.SetCaptionIndent(spec.captionIndent);
        if (spec.createdHidden) ShowWindow(button.Handle(), SW_HIDE);
    }
    for (int row = 1; row <= kFunctionButtonCount; ++row) {
        const int index = RowButton(row);
        CBitmapBtn& button = FunctionButton(index);
        MakeButton(button, window, FunctionButtonRect(row), kFunctionButtonPictures, fontFace, decoded);
        button.SetClickHandler([clicked = clicks.functionButton, index] { clicked(index); });
    }

    const HBITMAP empty = decoded.Picture(SkinPath(kSliderEmptyPicture)).Handle();
    const HBITMAP full = decoded.Picture(SkinPath(kSliderFullPicture)).Handle();
    for (std::size_t index = 0; index < sliders_.size(); ++index) {
        const SliderSpec& spec = MainSliders()[index];
        CDMarker& slider = sliders_[index];
        const ui::Rect& at = spec.createdAt;
        slider.Create(at.left, at.top, at.right, at.bottom, window.Handle(), static_cast<UINT>(spec.controlId));
        slider.SetTrackPictures(0, 0, kSliderPictureCut.width, kSliderPictureCut.height, empty, full);
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
