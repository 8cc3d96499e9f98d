#include "app/win32/mouse_configuration_dlg.h"

#include "app/resource_ids.h"
#include "app/win32/dlg_splash.h"
#include "ui/dialog_keys.h"

namespace norvale {

CMouseConfigurationDlg::CMouseConfigurationDlg()
    : WithMessageMap(IDD_MAIN), icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NORVALE)))
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
    return true;
}

bool CMouseConfigurationDlg::PreTranslateMessage(MSG& message)
{
    if (ui::IsSwallowedDialogKey(message.message, message.wParam)) return true;
    return CDialog::PreTranslateMessage(message);
}

std::intptr_t CMouseConfigurationDlg::OnPaint(const ui::Message&)
{
    return Default();
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

}  // namespace norvale
