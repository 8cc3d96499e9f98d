#pragma once
#include <windows.h>

#include <string_view>

#include "app/device_notification.h"

namespace norvale {

// The utility's icon in the notification area. The record is filled once;
// every add, delete and balloon goes through it. The shell's failures are
// of no consequence to the utility and are ignored.
class NotifyIcon {
public:
    void Fill(HWND window, HICON icon, std::wstring_view tip);
    void Add();
    void Delete();
    void ShowBalloon(const Balloon& balloon);

private:
    NOTIFYICONDATAW data_{};
};

}  // namespace norvale
