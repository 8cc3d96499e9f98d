#pragma once
#include <array>
#include <string>
#include <string_view>

#include "text/ui_language.h"

namespace norvale {

// The caption of the Fn function, the same in every language.
inline constexpr std::wstring_view kFnKeyLabel = L"Fn";

// The label-file section that holds a language's button labels
// ("Setting-CHS", "Setting-CHT", "Setting-EN", "Setting-DE"); empty for
// the unknown language.
std::wstring_view LabelSectionName(UiLanguage language);

// The captions of the factory assignment (Click, Menu, Scroll, Fn, Snipe,
// DPI up, DPI down) for buttons 0 … 6, as the label keys Item1 … Item7 hold
// them in a freshly installed label file.
std::array<std::wstring, 7> FactoryButtonLabels(UiLanguage language);

}  // namespace norvale
