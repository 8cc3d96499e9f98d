#include "skin/list_row_paint.h"

namespace norvale {

std::optional<RowPaint> PaintListRow(int rowCount, const ListRow& row, ListItemColours item, SurfaceColours surface)
{
    if (rowCount <= 0) {
        return std::nullopt;
    }
    const std::uint32_t fillColour = row.selected ? item.background : surface.background;
    const std::uint32_t textColour = row.selected ? item.text : surface.text;
    return RowPaint{row.rect, fillColour, TextOp{row.text, row.rect, kListRowFormat, textColour}, item.text};
}

}  // namespace norvale
