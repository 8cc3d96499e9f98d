#pragma once
#include <vector>

#include "skin/scroll_bar_model.h"
#include "ui/geometry.h"

namespace norvale {

// The scroll bar skin is a grid of 9 columns by 3 rows (normal, hot,
// pressed). Columns 0 ... 3 draw a vertical bar (up arrow, down arrow,
// thumb, track), 4 ... 7 the same parts of a horizontal bar, and 8 the box
// where two bars meet. A column is as wide as a bar is thick.
inline constexpr int kScrollSkinColumns = 9;
inline constexpr int kScrollSkinRows = 3;
inline constexpr int kCornerColumn = 8;
constexpr ui::Size ScrollSkinCell(ui::Size bitmap)
{
    return {bitmap.width / kScrollSkinColumns, bitmap.height / kScrollSkinRows};
}

// One copy from the skin to a window, stretched where the sizes differ.
struct SkinBlit {
    ui::Rect source;
    ui::Rect target;
    friend bool operator==(const SkinBlit&, const SkinBlit&) = default;
};

// The copies that draw the whole bar, each part in the row of its state:
// arrows stretched to their size, the track tiled, the thumb as its two
// 6-pixel caps with the middle of its picture tiled between them.
std::vector<SkinBlit> PaintScrollBar(const ScrollBarModel& bar, ui::Size cell);

}  // namespace norvale
