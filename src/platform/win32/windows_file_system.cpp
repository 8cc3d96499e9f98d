#include "platform/win32/windows_file_system.h"

#include <windows.h>
#include <shlwapi.h>

namespace norvale {
namespace {

// Never success: a short write leaves no error code of its own.
std::error_code LastError()
{
    const DWORD code = GetLastError();
    return std::error_code(static_cast<int>(code ? code : ERROR_WRITE_FAULT), std::system_category());
}

}  // namespace

bool WindowsFileSystem::Exists(const std::wstring& path)
{
    return PathFileExistsW(path.c_str()) != FALSE;
}

std::error_code WindowsFileSystem::WriteThrough(const std::wstring& path,
                                                    std::span<const std::uint8_t> bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastError();
    DWORD written = 0;
    std::error_code error;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file)) {
        error = LastError();
    }
    CloseHandle(file);
    return error;
}

std::error_code WindowsFileSystem::Replace(const std::wstring& source,
                                               const std::wstring& target)
{
    if (!MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastError();
    }
    return {};
}

}  // namespace norvale
