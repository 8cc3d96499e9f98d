#include "settings/settings_paths.h"

namespace norvale {

std::wstring SettingsFileName(int profile)
{
    return L"config" + std::to_wstring(profile) + L".bin";
}

std::wstring LabelFileName(int profile)
{
    return L"str" + std::to_wstring(profile) + L".ini";
}

std::wstring PathBesideExecutable(std::wstring_view executablePath, std::wstring_view fileName)
{
    const std::size_t separator = executablePath.find_last_of(L"\\/");
    const std::wstring_view folder =
        separator == std::wstring_view::npos ? std::wstring_view{} : executablePath.substr(0, separator + 1);
    return std::wstring(folder) + std::wstring(fileName);
}

}  // namespace norvale
