#include "platform/win32/debug_output_windows.h"

#include <string>
#include <windows.h>

namespace norvale {

void WindowsDebugOutput::Write(std::wstring_view text)
{
    const std::wstring line(text);
    OutputDebugStringW(line.c_str());
}

}  // namespace norvale
