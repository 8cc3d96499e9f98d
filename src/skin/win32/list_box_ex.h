#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/list_editor_model.h"
#include "skin/list_row_paint.h"
#include "ui/message_map.h"
#include "ui/win32/window.h"

namespace norvale {

// A system list box that, when owner-drawn, paints its rows itself: the
// selected row in the item colours its owner sets, the others in the colours
// the owner answered to its colour query. Rows carry no item data. Any row
// can be edited in place (CLBEditorWnd); when the edit ends the list receives
// WM_LEBEDIT_END, which it leaves alone for its owner to take from the queue.
class CListBoxEx : public ui::WithMessageMap<CListBoxEx, ui::CWnd> {
public:
    // A list made at run time; a template's list is taken over with SubclassWindow.
    bool Create(DWORD style, const RECT& rect, ui::CWnd& parent, UINT id);

    // Colours as 0x00BBGGRR.
    void SetItemColours(std::uint32_t background, std::uint32_t text) { colours_ = {background, text}; }

    int RowCount() const;
    // The selected row, or -1 with none.
    int SelectedRow() const;
    // The list shows these rows, with `selected` selected (-1: none).
    void ShowRows(const std::vector<std::wstring>& rows, int selected);
    std::wstring RowText(int row) const;
    ui::Rect RowRect(int row) const;

    // Removes the row and shows the list without it at once; the system's
    // result of the removal (the rows left, or LB_ERR). A selected row
    // leaves no row selected.
    int DeleteRow(int row);
    // The row gets the text and is selected.
    void ReplaceRow(int row, const std::wstring& text);

    // Lays an editor over the row; false, and nothing shown, when the list
    // has no such row.
    bool BeginEdit(int row, EditorMode mode);

    static const ui::MessageMap<CListBoxEx>& Map();

private:
    std::intptr_t OnDrawItem(const ui::Message& message);

    ListItemColours colours_;
};

}  // namespace norvale
