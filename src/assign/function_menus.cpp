#include "assign/function_menus.h"

#include <span>

#include "assign/fixed_function_lists.h"
#include "assign/function_commands.h"
#include "assign/function_text_slots.h"
#include "assign/simple_functions.h"
#include "text/ui_text_catalog.h"

namespace norvale {
namespace {

FunctionMenu ListMenu(std::span<const FixedListEntry> list, int itemWidth, UiLanguage language)
{
    FunctionMenu menu{itemWidth, {}};
    for (const FixedListEntry& entry : list) {
        menu.items.push_back({entry.id, std::wstring(FixedListText(entry, language))});
    }
    return menu;
}

}  // namespace

std::array<FunctionMenu, kFunctionMenuCount> FunctionMenus(UiLanguage language, const DpiItemTexts& dpiTexts)
{
    auto simple = [language](unsigned id) {
        return FunctionMenuItem{id, std::wstring(SimpleFunctionLabel(*FindSimpleFunction(id), language))};
    };
    auto text = [language](int slot) { return std::wstring(UiTextIn(language, slot)); };
    auto popup = [&text](int slot, FunctionMenuIndex submenu) { return FunctionMenuItem{0, text(slot), submenu}; };

    FunctionMenu top{120,
                     {simple(2001), simple(2002), simple(2003), simple(2004), simple(2005), simple(2006),
                      simple(2009), simple(2010), popup(kDpiSettingSlot, kDpiMenu),
                      popup(kMultimediaCommandsSlot, kMultimediaMenu), popup(kBasicCommandsSlot, kShortcutMenu),
                      popup(kAdditionalCommandsSlot, kWindowsCommandMenu),
                      FunctionMenuItem{kKeyboardKeyCommand, text(kKeyboardKeySlot)},
                      FunctionMenuItem{kMacroCommand, text(kMacroSlot)}, simple(2013)}};

    FunctionMenu dpi{50, {}};
    for (unsigned item = 0; item < dpiTexts.text.size(); ++item) {
        dpi.items.push_back({kFirstDpiCommand + item, dpiTexts.text[item]});
    }
    return {std::move(top), std::move(dpi), ListMenu(MultimediaList(), 100, language),
            ListMenu(ShortcutList(), 100, language), ListMenu(WindowsCommandList(), 120, language)};
}

ui::Point FunctionMenuAnchor(const ui::Rect& functionButton)
{
    return {functionButton.right + 5, functionButton.top};
}

}  // namespace norvale
