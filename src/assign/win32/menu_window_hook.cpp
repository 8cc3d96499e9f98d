#include "assign/win32/menu_window_hook.h"

namespace norvale {

HHOOK menuWindowHook = nullptr;

void PrepareMenuWindowMap(std::size_t) {}

LRESULT CALLBACK MenuWindowHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(menuWindowHook, code, wParam, lParam);
}

}  // namespace norvale
