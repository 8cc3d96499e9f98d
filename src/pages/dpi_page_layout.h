#pragma once
#include <string_view>

#include "settings/settings_record.h"
#include "ui/geometry.h"

namespace norvale {

inline constexpr int kDpiPageStageCount = static_cast<int>(kDpiStageCount);

// Each stage's controls carry the first id of their kind plus the stage.
inline constexpr int kDpiSliderFirstId = 2027;
inline constexpr int kDpiSwatchFirstId = 71;
inline constexpr int kDpiEditorFirstId = 1148;

// The sliders move in the stored units of 50 DPI and reach 0 at the bottom;
// typed values never go below one unit.
inline constexpr int kDpiSliderMaximum = 216;
inline constexpr int kDpiEditorCharacters = 5;

inline constexpr std::wstring_view kDpiBackground = L"Skins\\DPISetting\\BK_DPISetting.png";
inline constexpr std::wstring_view kDpiValueBox = L"Skins\\DPISetting\\BK-DPIValue.png";
inline constexpr std::wstring_view kStageInUsePicture = L"Skins\\Enable.png";
inline constexpr std::wstring_view kStageUnusedPicture = L"Skins\\Disable.png";
inline constexpr std::wstring_view kDpiTrackEmpty = L"\\skins\\DPISetting\\DPIStage\\0.png";
inline constexpr std::wstring_view kDpiTrackFull = L"\\skins\\DPISetting\\DPIStage\\82.png";
// Both track pictures are cut from (0, 0) at this size.
inline constexpr ui::Size kDpiTrackCut{7, 169};

// Where one stage stands on the page, in client pixels; the stages are
// columns 30 pixels apart.
struct DpiStageLayout {
    ui::Rect slider;
    ui::Rect value;      // value box and text; a press opens the editor
    ui::Rect editor;     // a little taller than the box it covers
    ui::Rect indicator;  // the in-use picture; a press toggles the stage
    ui::Rect swatch;     // a press chooses the colour of a stage in use
};

DpiStageLayout DpiStage(int stage);

}  // namespace norvale
