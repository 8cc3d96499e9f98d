#include "app/win32/mouse_configuration_dlg.h"

#include "app/resource_ids.h"
#include "app/win32/dlg_splash.h"
#include "device/device_commands.h"
#include "device/device_discovery.h"
#include "device/hid_bus_factory.h"
#include "skin/win32/module_directory.h"
#include "ui/dialog_keys.h"
#include "ui/geometry.h"

namespace norvale {
namespace {
const wchar_t kBackground[] = L"/skins/main.png";
}

CMouseConfigurationDlg::CMouseConfigurationDlg()
    : WithMessageMap(IDD_MAIN),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NORVALE))),
      bus_(CreateHidBus())
{
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() = default;

const ui::MessageMap<CMouseConfigurationDlg>& CMouseConfigurationDlg::Map()
{
    using M = ui::MessageMap<CMouseConfigurationDlg>;
    static const M map{
        M::On(WM_PAINT, &CMouseConfigurationDlg::OnPaint),
        M::On(WM_ERASEBKGND, &CMouseConfigurationDlg::OnEraseBackground),
        M::On(WM_QUERYDRAGICON, &CMouseConfigurationDlg::OnQueryDragIcon),
        M::On(WM_LBUTTONDOWN, &CMouseConfigurationDlg::OnLeftButtonDown),
        M::On(WM_DESTROY, &CMouseConfigurationDlg::OnDestroy),
    };
    return map;
}

bool CMouseConfigurationDlg::OnInitDialog()
{
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    CDlgSplash splash;
    splash.DoModal(Handle());

    SetWindowTextW(Handle(), L"Norvale");
    link_.devicePresent = DiscoverMouse(*bus_, link_) ? 1 : 0;

    // Settings, controls, tray and pages join the start-up here.
    if (canvas_.Load(SkinPath(kBackground))) {
        // The template only approximates the picture's size, so the window is
        // centred again at its real size.
        RECT workArea{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
        const ui::Rect place =
            ui::CentredIn({workArea.left, workArea.top, workArea.right, workArea.bottom}, canvas_.Size());
        SetWindowPos(Handle(), nullptr, place.left, place.top, place.Width(), place.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    ReadFirmwareVersion(Device());
    ReadFirmwareVersion(Device());
    return true;
}

bool CMouseConfigurationDlg::PreTranslateMessage(MSG& message)
{
    if (ui::IsSwallowedDialogKey(message.message, message.wParam)) return true;
    return CDialog::PreTranslateMessage(message);
}

std::intptr_t CMouseConfigurationDlg::OnPaint(const ui::Message&)
{
    PaintList list;
    list.background = kBackground;
    PaintSkinnedWindow(Handle(), canvas_, list, nullptr);
    return 0;
}

std::intptr_t CMouseConfigurationDlg::OnEraseBackground(const ui::Message&)
{
    return TRUE;
}

std::intptr_t CMouseConfigurationDlg::OnQueryDragIcon(const ui::Message&)
{
    return reinterpret_cast<std::intptr_t>(icon_);
}

std::intptr_t CMouseConfigurationDlg::OnLeftButtonDown(const ui::Message& message)
{
    // Any free point of the surface drags the window, as its caption would.
    Post(WM_NCLBUTTONDOWN, HTCAPTION, message.lParam);
    return Default();
}

std::intptr_t CMouseConfigurationDlg::OnDestroy(const ui::Message&)
{
    CloseDeviceHandles(*bus_, link_);
    return Default();
}

}  // namespace norvale
