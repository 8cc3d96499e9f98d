#pragma once
#include <array>
#include <string>

#include "text/ui_language.h"

namespace norvale {

// The texts of the three DPI items (up, down, loop), which are also the
// labels of a DPI function. They read in English until the main window sets
// them from the UI texts of its language.
struct DpiItemTexts {
    std::array<std::wstring, 3> text{L"DPI +", L"DPI -", L"DPI Loop"};
};

DpiItemTexts DpiItemTextsIn(UiLanguage language);

}  // namespace norvale
