#pragma once
#include "settings/settings_record.h"

namespace norvale {

// The message box shown instead of the menu: UI text slots of the text and
// the caption, with an OK button only.
inline constexpr int kLastClickMessageSlot = 523;
inline constexpr int kLastClickCaptionSlot = 578;

// Whether a function menu may open for internal button b: not when b holds
// the only Click among the seven buttons, so the mouse always keeps one.
// Nothing else limits the choice; a menu that opens may still assign any
// function, Click included.
enum class FunctionMenuOpening { OpenMenu, KeepLastClick };
FunctionMenuOpening DecideFunctionMenu(const Settings& settings, int button);

}  // namespace norvale
