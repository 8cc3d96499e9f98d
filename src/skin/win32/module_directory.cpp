#include "skin/win32/module_directory.h"

#include "platform/win32/executable_path.h"
#include "skin/skin_path.h"

namespace norvale {

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
