#pragma once
#include <windows.h>

#include <utility>

namespace norvale::ui {

// CMenu: owns a menu handle and destroys it (with its submenus) on
// destruction, unless it was detached.
class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU Handle() const { return menu_; }
    bool CreatePopupMenu()
    {
        DestroyMenu();
        menu_ = ::CreatePopupMenu();
        return menu_ != nullptr;
    }
    void Attach(HMENU menu)
    {
        DestroyMenu();
        menu_ = menu;
    }
    HMENU Detach() { return std::exchange(menu_, nullptr); }
    void DestroyMenu()
    {
        if (menu_) ::DestroyMenu(std::exchange(menu_, nullptr));
    }

private:
    HMENU menu_ = nullptr;
};

}  // namespace norvale::ui
