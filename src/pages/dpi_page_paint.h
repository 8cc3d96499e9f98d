#pragma once
#include <cstdint>
#include <string>

#include "settings/settings_record.h"
#include "skin/paint_list.h"

namespace norvale {

// A stage's resolution as the page shows it: the stored units times 50.
std::wstring DpiValueText(std::uint8_t value);

// One paint of the DPI page over its background: for each stage from the
// left, its value box, its value centred in the box, and its in-use picture.
PaintList DpiPagePaintList(const Settings& live);

}  // namespace norvale
