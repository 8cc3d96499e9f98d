#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// The colours a list's owner gives it for the selected row (0x00BBGGRR).
struct ListItemColours {
    std::uint32_t background = 0;
    std::uint32_t text = 0;
};

// The drawing surface's colours as the list's colour query left them.
struct SurfaceColours {
    std::uint32_t text = 0;
    std::uint32_t background = 0;
};

struct ListRow {
    std::wstring text;
    ui::Rect rect;
    bool selected = false;
};

// Rows are written on one line, left-aligned and vertically centred.
inline constexpr unsigned kListRowFormat = text_format::kLeft | text_format::kVerticalCenter | text_format::kSingleLine;

// One owner-drawn row: the row's rectangle filled, then its text over it.
// Afterwards the surface keeps the item text colour, whichever row was
// drawn, and gets its background colour back.
struct RowPaint {
    ui::Rect fill;
    std::uint32_t fillColour = 0;
    TextOp text;
    std::uint32_t surfaceTextColourAfter = 0;
    friend bool operator==(const RowPaint&, const RowPaint&) = default;
};

// The selected row in the item colours, the others in the surface's; an
// empty list draws nothing (the platform still asks, to show the focus).
std::optional<RowPaint> PaintListRow(int rowCount, const ListRow& row, ListItemColours item, SurfaceColours surface);

}  // namespace norvale
