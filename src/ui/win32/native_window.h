#pragma once
#include <windows.h>

#include <cstdint>

#include "ui/window_handle.h"

namespace norvale::ui {

inline HWND NativeWindow(WindowHandle window)
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline WindowHandle OpaqueWindow(HWND window)
{
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace norvale::ui
