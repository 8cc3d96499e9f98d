#pragma once
#include <array>
#include <cstddef>
#include <string_view>

#include "ui/geometry.h"

namespace norvale {

// The lighting effects, numbered as the settings store them.
inline constexpr int kStandardEffect = 1;
inline constexpr int kRespirationEffect = 2;
inline constexpr int kNeonEffect = 3;
inline constexpr int kFingerTappingEffect = 4;

// Every slider of the page moves in steps 1 … 6.
inline constexpr int kLightingSliderMinimum = 1;
inline constexpr int kLightingSliderMaximum = 6;

struct LightingSliderPlace {
    int id = 0;
    ui::Rect rect;
};

// The page's sliders in client pixels: the shown group's three (one for each
// of the effects 1 … 3), then the other group's three and its fourth, which
// lie below the page's picture.
inline constexpr std::size_t kLightingSliderCount = 7;
inline constexpr std::array<LightingSliderPlace, kLightingSliderCount> kLightingSliders{{
    {2037, {100, 10, 228, 18}},
    {2038, {100, 39, 228, 47}},
    {2039, {100, 68, 228, 76}},
    {2041, {100, 205, 228, 213}},
    {2042, {100, 234, 228, 242}},
    {2043, {100, 263, 228, 271}},
    {2045, {100, 292, 228, 300}},
}};

// A press here chooses effect 1 … 4; the indicator is drawn at the area's
// top-left corner.
inline constexpr std::array<ui::Rect, 4> kEffectIndicatorAreas{{
    {10, 10, 20, 19},
    {10, 39, 20, 48},
    {10, 68, 20, 77},
    {10, 102, 20, 111},
}};
// The other group's effects 1 … 3, beside its sliders; nothing is drawn there.
inline constexpr std::array<ui::Rect, 3> kOtherEffectAreas{{
    {10, 205, 20, 214},
    {10, 234, 20, 243},
    {10, 263, 20, 272},
}};
// The boxes of the left, right and middle button for finger tapping, drawn
// at the area's top-left corner.
inline constexpr std::array<ui::Rect, 3> kTappingKeyBoxAreas{{
    {100, 102, 109, 111},
    {149, 102, 158, 111},
    {198, 102, 207, 111},
}};

inline constexpr std::wstring_view kLightingBackground = L"Skins\\Lighting\\BK_Lighting.png";
inline constexpr std::wstring_view kLightingChosenPicture = L"Skins/Enable.png";
inline constexpr std::wstring_view kLightingUnchosenPicture = L"Skins/Disable.png";
inline constexpr std::wstring_view kLightingTrackEmpty = L"\\skins\\StageSlider\\1.png";
inline constexpr std::wstring_view kLightingTrackFull = L"\\skins\\StageSlider\\10.png";
// Both track pictures are cut from here.
inline constexpr ui::Rect kLightingTrackCut{1, 0, 128, 11};

}  // namespace norvale
