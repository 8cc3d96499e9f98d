#pragma once
#include <array>

#include "pages/lighting_page_layout.h"
#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// How one slider of the page should look: a disabled slider keeps showing its
// value but cannot be dragged.
struct LightingSliderState {
    bool enabled = true;
    int value = kLightingSliderMinimum;
    friend bool operator==(const LightingSliderState&, const LightingSliderState&) = default;
};

// What the lighting page decides. The settings hold two lighting groups; the
// page shows and edits group B (lightB…) and, while the groups are linked
// (lightAFlag 1, as the factory settings have them), copies every change into
// group A. Every change lands in the settings at once; the window shows the
// sliders as Sliders() has them, in the order of kLightingSliders, and
// repaints when a call says so.
class LightingPageModel {
public:
    explicit LightingPageModel(Settings& live) : live_(live) {}

    // The page opens: both groups' effects and the fourth slider as stored.
    void Show();
    // The settings changed behind the page; a link the page does not know
    // becomes the factory link.
    void Refresh();

    // A left-button press on the page; true when the page must repaint.
    bool Press(ui::Point point);
    // A slider of the page was released at a value; other ids change nothing.
    void SliderChanged(int controlId, int value);
    // Chooses effect 1 … 4 as its indicator does; a value the page does not
    // know shows as "Standard".
    void ChooseEffect(int effect);

    const std::array<LightingSliderState, kLightingSliderCount>& Sliders() const { return sliders_; }
    PaintList Paint() const;

private:
    void ChooseOtherEffect(int effect);
    void DisableOtherGroup();
    void EnableFourthSlider();

    Settings& live_;
    std::array<LightingSliderState, kLightingSliderCount> sliders_{};
};

}  // namespace norvale
