#include "assign/win32/ex_menu.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/debug_output.h"

namespace norvale {
namespace {

// Menus live only while shown, all on the user-interface thread.
std::vector<const CExMenu*>& LiveMenus()
{
    static std::vector<const CExMenu*> menus;
    return menus;
}

// Item data unique across menus, so that a measure request, which names no
// menu, finds its item.
std::uintptr_t NextSequence()
{
    static std::uintptr_t last = 0;
    return ++last;
}

UINT FlagsFor(MenuItemKind kind)
{
    switch (kind) {
    case MenuItemKind::Popup: return MF_POPUP | MF_OWNERDRAW;
    case MenuItemKind::Separator: return MF_SEPARATOR | MF_OWNERDRAW;
    case MenuItemKind::Command: break;
    }
    return MF_OWNERDRAW;
}

class ScopedPen {
public:
    ScopedPen(HDC dc, COLORREF colour) : dc_(dc), pen_(CreatePen(PS_SOLID, 1, colour)), old_(SelectObject(dc, pen_)) {}
    ~ScopedPen()
    {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

int TextHeight(HDC dc, std::wstring_view text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cy;
}

}  // namespace

CExMenu::CExMenu(HFONT font) : font_(font)
{
    LiveMenus().push_back(this);
}

CExMenu::~CExMenu()
{
    std::erase(LiveMenus(), this);
}

const CExMenu* CExMenu::Holding(ULONG_PTR itemData)
{
    const auto& menus = LiveMenus();
    const auto found = std::ranges::find_if(menus, [itemData](const CExMenu* m) { return m->model_.Items().Holds(itemData); });
    return found != menus.end() ? *found : nullptr;
}

bool CExMenu::AppendItem(UINT id, std::wstring_view text, HMENU submenu, int kind, int flag)
{
    const std::uintptr_t sequence = NextSequence();
    const UINT_PTR itemId = submenu ? reinterpret_cast<UINT_PTR>(submenu) : id;
    if (!AppendMenuW(Handle(), FlagsFor(KindOfAppendedItem(id, submenu != nullptr)), itemId,
                     reinterpret_cast<LPCWSTR>(sequence))) {
        DebugLine(L"AppendMenuW failed\n");
        return false;
    }
    model_.Append(id, text, sequence, kind, flag);
    return true;
}

void CExMenu::MeasureItem(MEASUREITEMSTRUCT& item) const
{
    const MenuItemSize size = model_.Measure(item.itemID, item.itemData);
    item.itemWidth = static_cast<UINT>(size.width);
    item.itemHeight = static_cast<UINT>(size.height);
}

void CExMenu::DrawItem(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const HGDIOBJ previousFont = font_ ? SelectObject(dc, font_) : nullptr;
    const MenuItemPaint paint = model_.Paint(item.itemID, item.itemData, {r.left, r.top, r.right, r.bottom},
                                             (item.itemState & ODS_SELECTED) != 0,
                                             TextHeight(dc, model_.ItemText(item.itemID, item.itemData)));
    Fill(dc, r, paint.background);
    if (paint.separator) {
        ScopedPen pen(dc, kMenuSeparatorLine);
        MoveToEx(dc, r.left, paint.lineY, nullptr);
        LineTo(dc, r.right, paint.lineY);
    } else {
        const int previousMode = SetBkMode(dc, TRANSPARENT);
        const COLORREF previousColour = SetTextColor(dc, paint.textColour);
        TextOutW(dc, paint.textOrigin.x, paint.textOrigin.y, paint.text.c_str(), static_cast<int>(paint.text.size()));
        SetTextColor(dc, previousColour);
        SetBkMode(dc, previousMode);
    }
    if (previousFont) SelectObject(dc, previousFont);
    // Keeps the system from drawing over the item: no check marks, no
    // submenu arrows.
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

std::optional<LRESULT> RouteMenuOwnerDraw(UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU) return std::nullopt;
        const CExMenu* menu = CExMenu::Holding(item.itemData);
        if (!menu) return std::nullopt;
        menu->MeasureItem(item);
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU) return std::nullopt;
        const CExMenu* menu = CExMenu::Holding(item.itemData);
        if (!menu) return std::nullopt;
        menu->DrawItem(item);
        return TRUE;
    }
    return std::nullopt;
}

}  // namespace norvale
