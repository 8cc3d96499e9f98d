#include "platform/win32/windows_profile_file.h"

#include <array>
#include <windows.h>

namespace norvale {

std::wstring WindowsProfileFile::ReadString(const std::wstring& file, std::wstring_view section,
                                            std::wstring_view key, std::wstring_view fallback)
{
    std::array<wchar_t, kProfileBufferSize> buffer{};
    const DWORD length = GetPrivateProfileStringW(
        std::wstring(section).c_str(), std::wstring(key).c_str(), std::wstring(fallback).c_str(),
        buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    return std::wstring(buffer.data(), length);
}

bool WindowsProfileFile::WriteString(const std::wstring& file, std::wstring_view section,
                                     std::wstring_view key, std::wstring_view value)
{
    return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                      std::wstring(value).c_str(), file.c_str()) != FALSE;
}

bool WindowsProfileFile::DeleteKey(const std::wstring& file, std::wstring_view section,
                                   std::wstring_view key)
{
    return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                      nullptr, file.c_str()) != FALSE;
}

bool WindowsProfileFile::DeleteSection(const std::wstring& file, std::wstring_view section)
{
    return WritePrivateProfileStringW(std::wstring(section).c_str(), nullptr, nullptr,
                                      file.c_str()) != FALSE;
}

}  // namespace norvale
