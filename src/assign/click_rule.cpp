#include "assign/click_rule.h"

#include <algorithm>
#include <cstdint>

#include "settings/button_function_kind.h"

namespace norvale {

FunctionMenuOpening DecideFunctionMenu(const Settings& settings, int button)
{
    constexpr auto kClick = static_cast<std::uint8_t>(ButtonFunctionKind::Click);
    const bool holdsClick =
        button >= 0 && button < static_cast<int>(kButtonCount) && settings.buttonKind[button] == kClick;
    const bool onlyClick = std::ranges::count(settings.buttonKind, kClick) == 1;
    return holdsClick && onlyClick ? FunctionMenuOpening::KeepLastClick : FunctionMenuOpening::OpenMenu;
}

}  // namespace norvale
