#pragma once
#include <array>
#include <string>
#include <vector>

#include "assign/dpi_item_texts.h"
#include "text/ui_language.h"
#include "ui/geometry.h"

namespace norvale {

inline constexpr int kNoSubmenu = -1;

// A command item, or a popup item (id 0) that opens menus[submenu].
struct FunctionMenuItem {
    unsigned id = 0;
    std::wstring text;
    int submenu = kNoSubmenu;
    friend bool operator==(const FunctionMenuItem&, const FunctionMenuItem&) = default;
};

struct FunctionMenu {
    int itemWidth = 0;
    std::vector<FunctionMenuItem> items;
};

// Where the menus sit in what FunctionMenus returns; the top-level menu
// opens the other four.
enum FunctionMenuIndex { kTopMenu, kDpiMenu, kMultimediaMenu, kShortcutMenu, kWindowsCommandMenu };
inline constexpr int kFunctionMenuCount = 5;

// The function menu of a button in the language of the moment. Every item is
// a plain owner-drawn item: no separators, no check marks, nothing disabled,
// and the button's current function is not marked.
std::array<FunctionMenu, kFunctionMenuCount> FunctionMenus(UiLanguage language, const DpiItemTexts& dpiTexts);

// The menu's top-left corner beside the function button's screen rectangle.
ui::Point FunctionMenuAnchor(const ui::Rect& functionButton);

}  // namespace norvale
