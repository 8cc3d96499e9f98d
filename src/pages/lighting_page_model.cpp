#include "pages/lighting_page_model.h"

#include <cstddef>
#include <cstdint>

#include "pages/lighting_page_paint.h"

namespace norvale {
namespace {

constexpr std::uint8_t kLinked = 1;
// Kept as stored: the page has nothing to do for it.
constexpr std::uint8_t kHeldLink = 2;
constexpr std::uint8_t kIndependent = 3;

// The field each slider edits, in the order of kLightingSliders: group B's
// three effects, group A's three, group A's fourth slider.
using ByteField = std::uint8_t Settings::*;
constexpr std::array<ByteField, kLightingSliderCount> kSliderFields{
    &Settings::lightBSpeed, &Settings::lightBParam2, &Settings::lightBParam3, &Settings::lightASpeed,
    &Settings::lightAParam2, &Settings::lightAParam3, &Settings::lightLevel};
constexpr std::size_t kOtherGroupFirst = 3;
constexpr std::size_t kGroupSliderCount = 3;
constexpr std::size_t kFourthSlider = 6;

constexpr std::array<LittleEndian32 Settings::*, 3> kTappingKeyFields{
    &Settings::functionOption0, &Settings::functionOption1, &Settings::functionOption2};

bool IsShownGroupEffect(int effect)
{
    return effect >= kStandardEffect && effect <= kFingerTappingEffect;
}

// A stored value outside the sliders' steps shows as the first step.
int Shown(std::uint8_t value)
{
    return value >= kLightingSliderMinimum && value <= kLightingSliderMaximum ? value : kLightingSliderMinimum;
}

// The number, from 1, of the area the point lies in; 0 for none.
template <std::size_t N>
int AreaNumber(const std::array<ui::Rect, N>& areas, ui::Point point)
{
    for (std::size_t k = 0; k < N; ++k)
        if (areas[k].Contains(point)) return static_cast<int>(k) + 1;
    return 0;
}

}  // namespace

void LightingPageModel::Show()
{
    ChooseEffect(live_.lightBMode);
    ChooseOtherEffect(live_.lightAMode);
    sliders_[kFourthSlider].value = Shown(live_.lightLevel);
}

void LightingPageModel::Refresh()
{
    Show();
    const std::uint8_t link = live_.lightAFlag;
    if (link == kIndependent || link == kHeldLink) return;
    live_.lightAFlag = kLinked;
    // Linking again brings group A in line with what the page shows.
    ChooseEffect(live_.lightBMode);
    ChooseOtherEffect(live_.lightAMode);
    DisableOtherGroup();
}

void LightingPageModel::ChooseEffect(int effect)
{
    // A stored effect the page does not know shows as "Standard" and leaves
    // the finger-tapping state and group A's values as they are.
    const bool known = IsShownGroupEffect(effect);
    if (!known) effect = kStandardEffect;
    live_.lightBMode = static_cast<std::uint8_t>(effect);
    for (std::size_t k = 0; k < kGroupSliderCount; ++k)
        sliders_[k] = {static_cast<int>(k) + 1 == effect, Shown(live_.*kSliderFields[k])};
    if (known) live_.lightOption56 = effect == kFingerTappingEffect ? 1 : 0;

    if (live_.lightAFlag == kLinked) {
        if (known && effect != kFingerTappingEffect) {
            const auto k = static_cast<std::size_t>(effect - 1);
            const std::uint8_t value = live_.*kSliderFields[k];
            live_.*kSliderFields[kOtherGroupFirst + k] = value;
            sliders_[kOtherGroupFirst + k].value = Shown(value);
        }
        // Group A has no finger tapping of its own; it lights as "Neon".
        ChooseOtherEffect(effect == kFingerTappingEffect ? kNeonEffect : effect);
        DisableOtherGroup();
    }
    EnableFourthSlider();
}

void LightingPageModel::ChooseOtherEffect(int effect)
{
    live_.lightAMode = static_cast<std::uint8_t>(effect);
    const int shown = effect == kRespirationEffect || effect == kNeonEffect ? effect : kStandardEffect;
    for (std::size_t k = 0; k < kGroupSliderCount; ++k)
        sliders_[kOtherGroupFirst + k] = {static_cast<int>(k) + 1 == shown,
                                          Shown(live_.*kSliderFields[kOtherGroupFirst + k])};
    EnableFourthSlider();
}

void LightingPageModel::DisableOtherGroup()
{
    for (std::size_t k = 0; k < kGroupSliderCount; ++k) sliders_[kOtherGroupFirst + k].enabled = false;
}

void LightingPageModel::EnableFourthSlider()
{
    sliders_[kFourthSlider].enabled = live_.lightAFlag == kIndependent && live_.lightAMode == kNeonEffect;
}

bool LightingPageModel::Press(ui::Point point)
{
    // The areas do not overlap: one press hits one of them at most.
    const int effect = AreaNumber(kEffectIndicatorAreas, point);
    if (effect >= kStandardEffect && effect <= kNeonEffect) {
        ChooseEffect(effect);
        return true;
    }
    const int otherEffect = AreaNumber(kOtherEffectAreas, point);
    if (otherEffect != 0 && live_.lightAFlag != kLinked) {
        ChooseOtherEffect(otherEffect);
        return true;
    }
    if (effect == kFingerTappingEffect) {
        ChooseEffect(kFingerTappingEffect);
        return true;
    }
    // The key boxes count only while finger tapping is chosen.
    const int key = AreaNumber(kTappingKeyBoxAreas, point);
    if (key == 0 || live_.lightOption56 != 1) return false;
    LittleEndian32& field = live_.*kTappingKeyFields[static_cast<std::size_t>(key - 1)];
    field = field == 0 ? 1 : 0;
    return true;
}

void LightingPageModel::SliderChanged(int controlId, int value)
{
    for (std::size_t k = 0; k < kLightingSliderCount; ++k) {
        if (kLightingSliders[k].id != controlId) continue;
        const auto stored = static_cast<std::uint8_t>(value);
        live_.*kSliderFields[k] = stored;
        sliders_[k].value = Shown(stored);
        if (k < kOtherGroupFirst && live_.lightAFlag == kLinked) {
            live_.*kSliderFields[kOtherGroupFirst + k] = stored;
            sliders_[kOtherGroupFirst + k].value = Shown(stored);
        }
    }
}

PaintList LightingPageModel::Paint() const
{
    return LightingPagePaintList(live_);
}

}  // namespace norvale
