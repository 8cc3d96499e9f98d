#include "skin/win32/list_box_ex.h"

#include "skin/win32/list_editor_wnd.h"
#include "ui/win32/native_rect.h"

namespace norvale {

const ui::MessageMap<CListBoxEx>& CListBoxEx::Map()
{
    using M = ui::MessageMap<CListBoxEx>;
    static const M map{
        M::On(ui::Reflected(WM_DRAWITEM), &CListBoxEx::OnDrawItem),
    };
    return map;
}

bool CListBoxEx::Create(DWORD style, const RECT& rect, ui::CWnd& parent, UINT id)
{
    return CreateControl(L"LISTBOX", L"", style, rect, parent, id);
}

int CListBoxEx::RowCount() const
{
    return static_cast<int>(Send(LB_GETCOUNT));
}

int CListBoxEx::SelectedRow() const
{
    return static_cast<int>(Send(LB_GETCURSEL));
}

void CListBoxEx::ShowRows(const std::vector<std::wstring>& rows, int selected)
{
    Send(LB_RESETCONTENT);
    for (const std::wstring& row : rows) Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    Send(LB_SETCURSEL, static_cast<WPARAM>(selected));
}

std::wstring CListBoxEx::RowText(int row) const
{
    const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(row));
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

ui::Rect CListBoxEx::RowRect(int row) const
{
    RECT rect{};
    Send(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int CListBoxEx::DeleteRow(int row)
{
    Send(LB_SETITEMDATA, static_cast<WPARAM>(row), 0);
    const auto result = static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(row)));
    UpdateWindow(Handle());
    return result;
}

void CListBoxEx::ReplaceRow(int row, const std::wstring& text)
{
    Send(LB_DELETESTRING, static_cast<WPARAM>(row));
    Send(LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
    Send(LB_SETCURSEL, static_cast<WPARAM>(row));
}

bool CListBoxEx::BeginEdit(int row, EditorMode mode)
{
    return CLBEditorWnd::Open(*this, row, mode);
}

std::intptr_t CListBoxEx::OnDrawItem(const ui::Message& message)
{
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
    const int row = static_cast<int>(item.itemID);
    const ListRow shown{RowText(row), {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                        (item.itemState & ODS_SELECTED) != 0};
    const std::optional<RowPaint> paint =
        PaintListRow(RowCount(), shown, colours_, {GetTextColor(item.hDC), GetBkColor(item.hDC)});
    if (!paint) return TRUE;

    // The fill leaves its colour as the surface's background, so that the
    // text is written on the row's own colour.
    const COLORREF background = SetBkColor(item.hDC, paint->fillColour);
    const RECT fill = ui::NativeRect(paint->fill);
    ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &fill, nullptr, 0, nullptr);
    SetTextColor(item.hDC, paint->text.colour);
    RECT textRect = ui::NativeRect(paint->text.rect);
    DrawTextW(item.hDC, paint->text.text.c_str(), -1, &textRect, paint->text.format);
    SetTextColor(item.hDC, paint->surfaceTextColourAfter);
    SetBkColor(item.hDC, background);
    return TRUE;
}

}  // namespace norvale
