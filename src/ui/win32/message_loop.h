#pragma once
#include <windows.h>

namespace norvale::ui {

// Offers the message to the windows it is headed for, innermost first
// (PreTranslateMessage); unless one swallows it, translates and dispatches it.
void DispatchQueuedMessage(MSG& message);

}  // namespace norvale::ui
