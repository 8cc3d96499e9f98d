#include "assign/win32/function_menu_popup.h"

#include <memory>

#include "assign/win32/ex_menu.h"

namespace norvale {

void TrackFunctionMenu(HWND owner, HFONT font, const std::array<FunctionMenu, kFunctionMenuCount>& menus,
                       ui::Point anchor)
{
    // Every menu stays alive while the top one shows, so its items can be
    // measured and drawn.
    std::array<std::unique_ptr<CExMenu>, kFunctionMenuCount> shown;
    for (std::size_t index = shown.size(); index-- > 0;) {
        auto menu = std::make_unique<CExMenu>(font);
        if (!menu->CreatePopupMenu()) return;
        for (const FunctionMenuItem& item : menus[index].items) {
            HMENU submenu = item.submenu == kNoSubmenu ? nullptr : shown[static_cast<std::size_t>(item.submenu)]->Handle();
            menu->AppendItem(item.id, item.text, submenu);
        }
        menu->SetItemWidth(menus[index].itemWidth);
        shown[index] = std::move(menu);
    }
    TrackPopupMenu(shown[kTopMenu]->Handle(), TPM_RIGHTBUTTON, anchor.x, anchor.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    // The top menu takes its submenus with it.
    for (std::size_t index = kTopMenu + 1; index < shown.size(); ++index) shown[index]->Detach();
}

}  // namespace norvale
