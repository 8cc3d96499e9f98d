#include "app/win32/dlg_splash.h"

#include "app/resource_ids.h"
#include "app/splash_input.h"
#include "ui/geometry.h"

namespace norvale {
namespace {

ui::Rect AreaToCentreOn(HWND owner)
{
    RECT area{};
    if (owner && IsWindowVisible(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    return {area.left, area.top, area.right, area.bottom};
}

}  // namespace

CDlgSplash::CDlgSplash() : WithMessageMap(IDD_SPLASH) {}

CDlgSplash::~CDlgSplash()
{
    if (picture_) DeleteObject(picture_);
}

const ui::MessageMap<CDlgSplash>& CDlgSplash::Map()
{
    using M = ui::MessageMap<CDlgSplash>;
    static const M map{
        M::On(WM_PAINT, &CDlgSplash::OnPaint),
        M::On(WM_TIMER, &CDlgSplash::OnTimer),
    };
    return map;
}

bool CDlgSplash::OnInitDialog()
{
    const ui::Rect place = ui::CentredIn(AreaToCentreOn(GetWindow(Handle(), GW_OWNER)), {width_, height_});
    SetWindowPos(Handle(), nullptr, place.left, place.top, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    SetTimer(Handle(), kSplashTimerId, kSplashMilliseconds, nullptr);
    return true;
}

bool CDlgSplash::PreTranslateMessage(MSG& message)
{
    return IsSwallowedBySplash(message.message);
}

std::intptr_t CDlgSplash::OnPaint(const ui::Message&)
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(Handle(), &paint);
    if (picture_) {
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ previous = SelectObject(memory, picture_);
        BitBlt(screen, 0, 0, width_, height_, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    EndPaint(Handle(), &paint);
    return 0;
}

std::intptr_t CDlgSplash::OnTimer(const ui::Message&)
{
    EndDialog(IDCANCEL);
    return Default();
}

}  // namespace norvale
