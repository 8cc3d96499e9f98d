#pragma once
#include <optional>
#include <string_view>

#include "settings/button_function_kind.h"
#include "text/ui_language.h"

namespace norvale {

// A function without a parameter: its command id, its kind, and the UI text
// slot of its label (none for Fn, which reads the same in every language).
struct SimpleFunction {
    unsigned id;
    ButtonFunctionKind kind;
    std::optional<int> labelSlot;
};

// Ids 2001 … 2010 and 2013; null for any other id. 2007 and 2008 (the tilt
// scrolls) have no menu item but are still assigned when they arrive.
const SimpleFunction* FindSimpleFunction(unsigned id);

// The label the button takes, which is also the function's menu text.
std::wstring_view SimpleFunctionLabel(const SimpleFunction& function, UiLanguage language);

}  // namespace norvale
