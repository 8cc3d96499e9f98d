#pragma once
#include <windows.h>

#include <cstddef>

namespace norvale {

// The hook that gives every popup-menu window of the user-interface thread
// its skin border. Installed once at start-up and never removed.
extern HHOOK menuWindowHook;

// Sizes the table of menu windows the hook has seen.
void PrepareMenuWindowMap(std::size_t buckets);

LRESULT CALLBACK MenuWindowHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace norvale
