#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "assign/ex_menu_model.h"
#include "ui/win32/menu.h"

namespace norvale {

// A popup menu drawn in the skin's colours: every item is owner-drawn from
// the text the menu keeps for it. The window that shows the menu passes its
// WM_MEASUREITEM and WM_DRAWITEM on to RouteMenuOwnerDraw.
class CExMenu : public ui::CMenu {
public:
    // The font may be null: items are then written in the surface's font.
    explicit CExMenu(HFONT font = nullptr);
    ~CExMenu() override;
    CExMenu(const CExMenu&) = delete;
    CExMenu& operator=(const CExMenu&) = delete;

    // A popup item when submenu is given, a separator for kMenuSeparatorId,
    // otherwise a command item.
    bool AppendItem(UINT id, std::wstring_view text, HMENU submenu = nullptr, int kind = -1, int flag = 0);
    void SetItemWidth(int width) { model_.SetItemWidth(width); }
    int ItemWidth() const { return model_.ItemWidth(); }

    void MeasureItem(MEASUREITEMSTRUCT& item) const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    // The live menu that holds an item, by the item's owner-draw data.
    static const CExMenu* Holding(ULONG_PTR itemData);

private:
    HFONT font_;
    ExMenuModel model_;
};

// Handles a menu's owner-draw request (WM_MEASUREITEM or WM_DRAWITEM of
// ODT_MENU) for an item of a live CExMenu; nothing for any other request.
std::optional<LRESULT> RouteMenuOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace norvale
