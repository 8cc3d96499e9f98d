#include "platform/win32/executable_path.h"

#include <array>
#include <windows.h>

namespace norvale {

std::wstring ExecutablePath()
{
    std::array<wchar_t, 1024> buffer{};
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return std::wstring(buffer.data(), length);
}

}  // namespace norvale
