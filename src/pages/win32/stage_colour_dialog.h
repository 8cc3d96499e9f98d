#pragma once
#include <windows.h>

#include <optional>

#include "settings/settings_record.h"

namespace norvale {

// The system's colour dialog, opening on black; none when the user cancels.
std::optional<Rgb> ChooseStageColour(HWND owner);

}  // namespace norvale
