#include "app/win32/dlg_splash.h"

#include "app/resource_ids.h"
#include "app/splash_input.h"
#include "skin/win32/module_directory.h"
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
    // Without its picture the splash has no size of its own: it stays out of
    // sight but still holds start-up for its three seconds.
    picture_ = SkinBitmap::Decode(SkinPath(L"Skins\\splash.png"));
    const ui::Size size = picture_.Size();
    const ui::Rect place = ui::CentredIn(AreaToCentreOn(GetWindow(Handle(), GW_OWNER)), size);
    SetWindowPos(Handle(), nullptr, place.left, place.top, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetTimer(Handle(), kSplashTimerId, kSplashMilliseconds, nullptr);
    return true;
}

bool CDlgSplash::PreTranslateMessage(MSG& message)
{
    return IsSwallowedBySplash(message.message);
}

std::intptr_t CDlgSplash::OnPaint()
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(Handle(), &paint);
    if (picture_) {
        // The picture is copied as it is, opaque, in one copy.
        MemorySurface memory(screen);
        memory.Select(picture_.Handle());
        BitBlt(screen, 0, 0, picture_.Size().width, picture_.Size().height, memory.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
    return 0;
}

std::intptr_t CDlgSplash::OnTimer()
{
    EndDialog(IDCANCEL);
    return Default();
}

}  // namespace norvale
