#include "app/win32/mouse_configuration_app.h"

#include <commctrl.h>

#include "app/main_window_title.h"
#include "app/win32/mouse_configuration_dlg.h"
#include "assign/win32/menu_window_hook.h"

namespace norvale {
namespace {

const wchar_t kMutexName[] = L"Norvale_Mutex";
const wchar_t kPrivateClassName[] = L"ZandorLClass";

void RaiseRunningCopy()
{
    if (HWND running = FindWindowW(nullptr, kMainWindowTitle)) {
        ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
    }
}

void InitCommonControls()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = 8;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);
}

void InstallMenuWindowHook()
{
    if (menuWindowHook) return;
    PrepareMenuWindowMap(1000);
    menuWindowHook = SetWindowsHookExW(WH_CALLWNDPROC, &MenuWindowHookProc, GetModuleHandleW(nullptr),
                                       GetCurrentThreadId());
}

// A copy of the system dialog class under our own name, so that other
// programs can find that the utility is installed and running.
bool RegisterPrivateClass()
{
    WNDCLASSW dialogClass{};
    GetClassInfoW(nullptr, MAKEINTATOM(0x8002), &dialogClass);
    dialogClass.lpszClassName = kPrivateClassName;
    return RegisterClassW(&dialogClass) != 0;
}

}  // namespace

bool CMouseConfigurationApp::InitInstance()
{
    RaiseRunningCopy();
    InitCommonControls();
    InstallMenuWindowHook();
    if (!RegisterPrivateClass()) return false;

    mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        return false;
    }

    CMouseConfigurationDlg mainWindow;
    mainWindow.DoModal(nullptr);
    return true;
}

int CMouseConfigurationApp::ExitInstance()
{
    if (mutex_) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
        mutex_ = nullptr;
    }
    return 0;
}

}  // namespace norvale
