#include "assign/simple_functions.h"

#include <algorithm>
#include <iterator>

#include "text/factory_labels.h"
#include "text/ui_text_catalog.h"

namespace norvale {
namespace {

using enum ButtonFunctionKind;

const SimpleFunction kSimpleFunctions[] = {
    {2001, Click, 498},          {2002, Menu, 499},
    {2003, Scroll, 500},         {2004, Forward, 501},
    {2005, Back, 502},           {2006, DoubleClick, 519},
    {2007, LeftTiltScroll, 517}, {2008, RightTiltScroll, 518},
    {2009, FnKey, std::nullopt}, {2010, SnipeKey, 514},
    {2013, Deactivated, 516},
};

}  // namespace

const SimpleFunction* FindSimpleFunction(unsigned id)
{
    const auto* found = std::ranges::find(kSimpleFunctions, id, &SimpleFunction::id);
    return found == std::end(kSimpleFunctions) ? nullptr : found;
}

std::wstring_view SimpleFunctionLabel(const SimpleFunction& function, UiLanguage language)
{
    return function.labelSlot ? UiTextIn(language, *function.labelSlot) : kFnKeyLabel;
}

}  // namespace norvale
