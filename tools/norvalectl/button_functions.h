#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"
#include "text/ui_language.h"

namespace norvale::tools {

// The buttons by the row the utility lists them in, 1 … 7; the internal
// index of the button on that row.
inline constexpr int kButtonRows = 7;
int ButtonOfRow(int row);

// A function of the catalogue that needs no dialog, by the English text of
// its menu item without blanks at the ends.
struct CatalogueFunction {
    unsigned id;
    std::wstring name;
};

// Every such function, in the order of their command ids.
const std::vector<CatalogueFunction>& CatalogueFunctions();

// The function of that name, compared without regard to case.
std::optional<unsigned> FindCatalogueFunction(std::wstring_view name);

// How a repeated macro ends, as "set" takes it and "show" prints it, by mode.
inline constexpr std::string_view kMacroModeWords[] = {"once", "until-pressed", "while-held"};

// What a button does, in English words: the catalogue name, "Keyboard key
// <name>" or "Macro <name> (<mode>)", with the macros named by store position.
std::string DescribeButtonFunction(const Settings& settings, int button, std::span<const std::wstring> macroNames);

}  // namespace norvale::tools
