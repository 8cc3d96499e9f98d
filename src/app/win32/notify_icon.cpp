#include "app/win32/notify_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "app/tray_icon.h"
#include "ui/program_messages.h"

namespace norvale {
namespace {

static_assert(sizeof(NOTIFYICONDATAW) >= kTrayRecordSize);
static_assert(std::size(NOTIFYICONDATAW{}.szTip) == kTrayTipCapacity);
static_assert(std::size(NOTIFYICONDATAW{}.szInfo) == kBalloonTextCapacity);
static_assert(std::size(NOTIFYICONDATAW{}.szInfoTitle) == kBalloonTitleCapacity);

template <std::size_t N>
void CopyField(wchar_t (&field)[N], std::wstring_view text)
{
    const std::wstring fitted = FitTrayField(text, N);
    std::fill(std::begin(field), std::end(field), L'\0');
    std::copy(fitted.begin(), fitted.end(), field);
}

}  // namespace

void NotifyIcon::Fill(HWND window, HICON icon, std::wstring_view tip)
{
    data_ = {};
    data_.cbSize = kTrayRecordSize;
    data_.hWnd = window;
    data_.uID = kTrayIconId;
    data_.uFlags = kTrayIconFlags;
    data_.uCallbackMessage = WM_TRAY_ICON_NOTIFY;
    data_.hIcon = icon;
    CopyField(data_.szTip, tip);
}

void NotifyIcon::Add()
{
    Shell_NotifyIconW(NIM_ADD, &data_);
}

void NotifyIcon::Delete()
{
    Shell_NotifyIconW(NIM_DELETE, &data_);
}

void NotifyIcon::ShowBalloon(const Balloon& balloon)
{
    data_.uFlags = kBalloonFlags;
    CopyField(data_.szInfo, balloon.text);
    CopyField(data_.szInfoTitle, balloon.title);
    data_.dwInfoFlags = kBalloonInfoIcon;
    data_.uTimeout = balloon.timeoutMs;
    Shell_NotifyIconW(NIM_MODIFY, &data_);
}

}  // namespace norvale
