#include "button_functions.h"

#include <algorithm>
#include <cwctype>

#include "app/main_menus.h"
#include "assign/dpi_item_texts.h"
#include "assign/function_assignment.h"
#include "assign/key_names.h"
#include "encoding/key_matrix.h"
#include "settings/button_function_kind.h"
#include "wide_text.h"

namespace norvale::tools {
namespace {

// Some captions end in a blank ("Scroll "), which nobody types.
std::wstring_view Trimmed(std::wstring_view text)
{
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

bool SameIgnoringCase(std::wstring_view left, std::wstring_view right)
{
    return std::ranges::equal(left, right, [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

}  // namespace

int ButtonOfRow(int row)
{
    // The rows follow the buttons' slots on the mouse, where 3 and 4 swap
    // places; a swap is its own inverse.
    return static_cast<int>(ButtonSlot(static_cast<std::size_t>(row - 1)));
}

const std::vector<CatalogueFunction>& CatalogueFunctions()
{
    // Whatever the function menu's assignment takes is in the catalogue;
    // its English caption is the menu item's text.
    static const std::vector<CatalogueFunction> functions = [] {
        std::vector<CatalogueFunction> found;
        const DpiItemTexts dpiTexts = DpiItemTextsIn(UiLanguage::English);
        for (unsigned id = kFirstMainCommand; id <= kLastMainCommand; ++id) {
            Settings scratch{};
            if (auto name = AssignFunction(scratch, 0, id, UiLanguage::English, dpiTexts)) {
                found.push_back({id, std::wstring(Trimmed(*name))});
            }
        }
        return found;
    }();
    return functions;
}

std::optional<unsigned> FindCatalogueFunction(std::wstring_view name)
{
    const auto& functions = CatalogueFunctions();
    const auto found = std::ranges::find_if(
        functions, [&](const CatalogueFunction& function) { return SameIgnoringCase(function.name, Trimmed(name)); });
    if (found == functions.end()) return std::nullopt;
    return found->id;
}

std::string DescribeButtonFunction(const Settings& settings, int button, std::span<const std::wstring> macroNames)
{
    const auto kind = static_cast<ButtonFunctionKind>(settings.buttonKind[button]);
    if (kind == ButtonFunctionKind::KeyboardKey) {
        return "Keyboard key " + Utf8(UsageToKeyName(settings.buttonKeyCode[button]));
    }
    if (kind == ButtonFunctionKind::Macro) {
        const std::size_t position = settings.buttonMacroIndex[button];
        const std::uint8_t mode = settings.buttonMacroMode[button];
        const std::string name = position < macroNames.size() ? Utf8(macroNames[position])
                                                              : "number " + std::to_string(position + 1);
        const std::string modeWord = mode < std::size(kMacroModeWords) ? std::string(kMacroModeWords[mode])
                                                                       : "mode " + std::to_string(mode);
        return "Macro " + name + " (" + modeWord + ")";
    }
    // The function whose assignment would leave the settings as they are.
    const DpiItemTexts dpiTexts = DpiItemTextsIn(UiLanguage::English);
    for (const CatalogueFunction& function : CatalogueFunctions()) {
        Settings assigned = settings;
        AssignFunction(assigned, button, function.id, UiLanguage::English, dpiTexts);
        if (assigned == settings) return Utf8(function.name);
    }
    return "unknown function (kind " + std::to_string(settings.buttonKind[button]) + ")";
}

}  // namespace norvale::tools
