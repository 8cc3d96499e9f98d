#pragma once
#include <array>

#include "pages/lighting_page_model.h"
#include "pages/win32/skinned_page.h"
#include "skin/win32/slider_marker.h"
#include "ui/message_crackers.h"

namespace norvale {

// The lighting page of the settings column: the effect of the mouse's light,
// its brightness or period on a slider, and the buttons that set off finger
// tapping. Changes go into the live settings at once; the mouse hears of
// them at the next apply.
class CDlgLighting : public ui::WithMessageMap<CDlgLighting, CSkinnedPage> {
public:
    CDlgLighting();
    static const ui::MessageMap<CDlgLighting>& Map();

    void Refresh() override;

protected:
    bool OnInitDialog() override;

private:
    void CreateSliders();
    // Each slider as the model has it.
    void ShowSliders();

    PaintList Paint() override { return model_.Paint(); }
    FontSpec PageFont() const override;
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    // The sliders report on release only: a drag changes nothing until it ends.
    void OnMarkerChanged(const ui::MarkerArgs& marker);

    std::array<CDMarker, kLightingSliderCount> sliders_;
    LightingPageModel model_;
};

}  // namespace norvale
