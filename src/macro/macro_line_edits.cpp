#include "macro/macro_line_edits.h"

#include <algorithm>

#include "settings/decimal_text.h"

namespace norvale {
namespace {

constexpr std::size_t kMacroLimit = 12;
constexpr std::wstring_view kInsertedDelay = L"50 ms";

std::ptrdiff_t At(std::size_t position) { return static_cast<std::ptrdiff_t>(position); }

bool HasSelectedLine(const MacroWindowState& state)
{
    return state.lineSelection && *state.lineSelection < state.lines.size();
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::optional<std::wstring> NewMacroName(const std::vector<std::wstring>& names, std::wstring_view macroWord)
{
    if (names.size() >= kMacroLimit) return std::nullopt;
    int number = static_cast<int>(names.size()) + 1;
    if (!names.empty()) {
        const std::wstring& last = names.back();
        const std::size_t underscore = last.find(L'_');
        if (underscore != std::wstring::npos) number = DecimalValue(last.substr(underscore + 1)) + 1;
    }
    for (;; ++number) {
        std::wstring name = std::wstring(macroWord) + L"_" + std::to_wstring(number);
        if (std::ranges::find(names, name) == names.end()) return name;
    }
}

bool IsDelayLine(std::wstring_view line) { return line.find(L"ms") != std::wstring_view::npos; }

bool InsertMouseButtonLines(MacroWindowState& state, std::wstring_view button)
{
    if (!HasSelectedLine(state)) return false;
    const std::size_t selected = *state.lineSelection;
    const bool afterDelay = IsDelayLine(state.lines[selected]);
    const std::wstring name(button);
    state.lines.insert(state.lines.begin() + At(selected + 1), {name + L"   Dn", name + L"   Up"});
    state.lineSelection = afterDelay ? selected + 1 : selected + 2;
    return true;
}

bool InsertDelayLine(MacroWindowState& state)
{
    if (!HasSelectedLine(state)) return false;
    const std::size_t selected = *state.lineSelection;
    if (selected == 0 || IsDelayLine(state.lines[selected - 1]) || IsDelayLine(state.lines[selected])) return false;
    state.lines.insert(state.lines.begin() + At(selected), std::wstring(kInsertedDelay));
    state.lineSelection = selected + 1;
    return true;
}

bool DeleteSelectedLine(MacroWindowState& state)
{
    if (!HasSelectedLine(state)) return false;
    state.lines.erase(state.lines.begin() + At(*state.lineSelection));
    state.lineSelection.reset();
    return true;
}

bool DoubleClickOpensDelayEditor(MacroWindowState& state, std::size_t line)
{
    if (line >= state.lines.size() || !IsDelayLine(state.lines[line])) return false;
    if (line == state.armedDelayLine) return true;
    state.armedDelayLine = line;
    return false;
}

bool IsAcceptableMacroName(const std::vector<std::wstring>& names, std::size_t position, std::wstring_view name)
{
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    if (name.find_first_of(L"[]=\r\n") != std::wstring_view::npos) return false;
    for (std::size_t other = 0; other < names.size(); ++other) {
        if (other != position && names[other] == name) return false;
    }
    return true;
}

}  // namespace norvale
