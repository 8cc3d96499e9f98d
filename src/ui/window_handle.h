#pragma once
#include <cstdint>

namespace norvale::ui {

// A window as portable code holds it: an opaque value that only the Windows
// side turns back into a window (ui/win32/native_window.h). None is no window.
enum class WindowHandle : std::uintptr_t { None = 0 };

}  // namespace norvale::ui
