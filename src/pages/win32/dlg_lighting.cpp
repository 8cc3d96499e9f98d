#include "pages/win32/dlg_lighting.h"

#include <cstddef>

#include "pages/lighting_page_paint.h"
#include "pages/page_resource_ids.h"
#include "settings/settings_record.h"
#include "skin/win32/module_directory.h"
#include "text/ui_texts.h"

namespace norvale {

CDlgLighting::CDlgLighting()
    : WithMessageMap(IDD_LIGHTING, kLightingBackground), model_(TheSettingsRecord().live)
{
}

const ui::MessageMap<CDlgLighting>& CDlgLighting::Map()
{
    using M = ui::MessageMap<CDlgLighting>;
    static const M map{
        M::On(WM_LBUTTONDOWN, &CDlgLighting::OnLeftButtonDown),
        M::On(WM_MARKER_CHANGED, &CDlgLighting::OnMarkerChanged),
    };
    return map;
}

bool CDlgLighting::OnInitDialog()
{
    CSkinnedPage::OnInitDialog();
    CreateSliders();
    model_.Show();
    ShowSliders();
    return true;
}

void CDlgLighting::CreateSliders()
{
    SkinPictures& pictures = SharedSkinPictures();
    const HBITMAP empty = pictures.Picture(SkinPath(kLightingTrackEmpty)).Handle();
    const HBITMAP full = pictures.Picture(SkinPath(kLightingTrackFull)).Handle();
    const ui::Rect& cut = kLightingTrackCut;
    for (std::size_t k = 0; k < kLightingSliderCount; ++k) {
        const auto& [id, rect] = kLightingSliders[k];
        CDMarker& slider = sliders_[k];
        slider.Create(rect.left, rect.top, rect.right, rect.bottom, Handle(), static_cast<UINT>(id));
        slider.SetTrackPictures(cut.left, cut.top, cut.right, cut.bottom, empty, full);
        slider.SetRange(kLightingSliderMinimum, kLightingSliderMaximum);
    }
}

void CDlgLighting::ShowSliders()
{
    for (std::size_t k = 0; k < kLightingSliderCount; ++k) {
        const LightingSliderState& state = model_.Sliders()[k];
        EnableWindow(sliders_[k].Handle(), state.enabled ? TRUE : FALSE);
        sliders_[k].SetValue(state.value);
    }
}

void CDlgLighting::Refresh()
{
    model_.Refresh();
    ShowSliders();
    RepaintNow();
}

FontSpec CDlgLighting::PageFont() const
{
    return LightingPageFont(UiLanguageCode());
}

std::intptr_t CDlgLighting::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    if (model_.Press(mouse.point)) {
        ShowSliders();
        RepaintNow();
    }
    return Default();
}

void CDlgLighting::OnMarkerChanged(const ui::MarkerArgs& marker)
{
    model_.SliderChanged(marker.controlId, marker.value);
    ShowSliders();
}

}  // namespace norvale
