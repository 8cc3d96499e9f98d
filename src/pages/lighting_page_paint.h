#pragma once
#include <string_view>

#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "skin/ui_font.h"

namespace norvale {

// The page writes in SimSun for simplified Chinese, unlike the other pages;
// otherwise its face follows the utility's rule.
FontSpec LightingPageFont(std::wstring_view languageCode);

// One paint of the lighting page over its background: the effect indicators
// (none when the stored effect is unknown), the finger-tapping key boxes,
// the effect names, the sliders' tick labels, and the finger-tapping texts.
PaintList LightingPagePaintList(const Settings& live);

}  // namespace norvale
