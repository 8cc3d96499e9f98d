#pragma once
#include <array>

#include "pages/lighting_page_model.h"
#include "pages/win32/settings_page.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/page_canvas.h"
#include "skin/win32/slider_marker.h"
#include "ui/message_crackers.h"

namespace norvale {

// The lighting page of the settings column: the effect of the mouse's light,
// its brightness or period on a slider, and the buttons that set off finger
// tapping. Changes go into the live settings at once; the mouse hears of
// them at the next apply.
class CDlgLighting : public ui::WithMessageMap<CDlgLighting, CSettingsPage> {
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
    void Repaint() const;

    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    // The sliders report on release only: a drag changes nothing until it ends.
    void OnMarkerChanged(const ui::MarkerArgs& marker);

    PageCanvas canvas_;
    GdiObject<HFONT> font_;
    std::array<CDMarker, kLightingSliderCount> sliders_;
    LightingPageModel model_;
};

}  // namespace norvale
