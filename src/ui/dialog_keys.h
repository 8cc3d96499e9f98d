#pragma once
#include <cstdint>

namespace norvale::ui {

// The main window and the dialogs swallow Enter, Esc, Space and F1 before
// dispatch, so no key closes a dialog or presses a button.
constexpr bool IsSwallowedDialogKey(std::uint32_t message, std::uintptr_t key)
{
    const bool keyMessage = message == 0x0100 || message == 0x0101     // WM_KEYDOWN, WM_KEYUP
                            || message == 0x0104 || message == 0x0105;  // WM_SYSKEYDOWN, WM_SYSKEYUP
    const bool filteredKey = key == 0x0D || key == 0x20 || key == 0x1B || key == 0x70;
    return keyMessage && filteredKey;
}

}  // namespace norvale::ui
