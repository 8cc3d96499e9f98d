#include "skin/win32/module_directory.h"

#include <windows.h>

#include "platform/debug_output.h"
#include "skin/skin_path.h"

namespace norvale {
namespace {

std::wstring ExecutablePath()
{
    // Grows past MAX_PATH so that a deep installation folder is not cut short.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            DebugLine(L"GetModuleFileNameW failed\n");
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

const std::wstring& ModuleDirectory()
{
    static const std::wstring directory = DirectoryOfExecutable(ExecutablePath());
    return directory;
}

std::wstring SkinPath(std::wstring_view relativeName)
{
    return JoinSkinPath(ModuleDirectory(), relativeName);
}

}  // namespace norvale
