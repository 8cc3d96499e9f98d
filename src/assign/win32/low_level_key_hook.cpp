#include "assign/win32/low_level_key_hook.h"

#include <vector>

namespace norvale {
namespace {

// The installed hooks, oldest first; the last one answers.
std::vector<LowLevelKeyHook*>& InstalledHooks()
{
    static std::vector<LowLevelKeyHook*> hooks;
    return hooks;
}

}  // namespace

LowLevelKeyHook::LowLevelKeyHook(Handler handler) : handler_(std::move(handler))
{
    hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, &LowLevelKeyHook::Procedure, GetModuleHandleW(nullptr), 0);
    if (!hook_) {
        error_ = GetLastError();
        return;
    }
    InstalledHooks().push_back(this);
}

LowLevelKeyHook::~LowLevelKeyHook()
{
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    std::erase(InstalledHooks(), this);
}

// The events are never handed down the chain: taken or not, they go on to
// the system from here.
LRESULT CALLBACK LowLevelKeyHook::Procedure(int code, WPARAM message, LPARAM event)
{
    if (code > 0 || InstalledHooks().empty()) return 0;
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
    return InstalledHooks().back()->handler_(static_cast<unsigned>(message), {key.vkCode, key.scanCode, key.flags}) ? 1 : 0;
}

}  // namespace norvale
