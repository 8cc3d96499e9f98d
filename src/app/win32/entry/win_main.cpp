#include <windows.h>

#include "app/win32/mouse_configuration_app.h"
#include "platform/win32/debug_output_windows.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    norvale::WindowsDebugOutput debugOutput;
    norvale::SetDebugOutput(&debugOutput);

    norvale::CMouseConfigurationApp app;
    app.InitInstance();
    const int exitCode = app.ExitInstance();

    norvale::SetDebugOutput(nullptr);
    return exitCode;
}
