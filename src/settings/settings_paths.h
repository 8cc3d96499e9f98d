#pragma once
#include <string>
#include <string_view>

namespace norvale {

inline constexpr std::wstring_view kDefaultSettingsFileName = L"config.bin";
inline constexpr std::wstring_view kProfileListFileName = L"str.ini";
inline constexpr std::wstring_view kMacroStoreFileName = L"record.ini";
inline constexpr int kProfileCount = 6;

// "config%d.bin" and "str%d.ini" of profile 0..5.
std::wstring SettingsFileName(int profile);
std::wstring LabelFileName(int profile);

// The file of that name in the executable's folder. Only the folder of the
// executable path counts, so neither a renamed executable nor a folder whose
// name contains the executable's name can make a settings path point at the
// executable itself.
std::wstring PathBesideExecutable(std::wstring_view executablePath, std::wstring_view fileName);

}  // namespace norvale
