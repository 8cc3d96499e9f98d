#include "factory_data_files.h"

#include <array>
#include <cstdint>
#include <vector>

#include "platform/native_path.h"
#include "settings/label_file.h"
#include "settings/settings_files.h"
#include "settings/settings_paths.h"
#include "text/factory_labels.h"
#include "text/ui_language.h"

namespace norvale::tools {
namespace {

constexpr std::array<std::uint8_t, 2> kUtf16LeMark = {0xFF, 0xFE};
constexpr std::wstring_view kFirstProfileName = L"Profile 1";
constexpr std::wstring_view kInstalledLanguageCode = L"EN";

// Writes one file of the set; remembers the first that fails and skips the
// rest, so the report names the file that could not be written.
class DataFileWriter {
public:
    DataFileWriter(const std::wstring& folder, FileSystem& files, ProfileFile& profiles)
        : folder_(folder), files_(files), profiles_(profiles)
    {
    }

    void WriteBinary(std::wstring_view name, const std::vector<std::uint8_t>& content)
    {
        const std::wstring path = PathOf(name);
        if (!failedFile_ && files_.WriteThrough(path, content)) failedFile_ = path;
    }

    // A new INI file holding only the UTF-16LE mark, which the profile
    // functions then keep while they add the keys.
    std::wstring StartIni(std::wstring_view name)
    {
        const std::wstring path = PathOf(name);
        if (!failedFile_ && files_.WriteThrough(path, kUtf16LeMark)) failedFile_ = path;
        return path;
    }

    void Write(const std::wstring& file, std::wstring_view section, std::wstring_view key,
               std::wstring_view value)
    {
        if (!failedFile_ && !profiles_.WriteString(file, section, key, value)) failedFile_ = file;
    }

    void WriteFactoryLabels(const std::wstring& file)
    {
        for (UiLanguage language : kUiLanguages) {
            const auto labels = FactoryButtonLabels(language);
            if (!failedFile_ && !WriteLabelTexts(profiles_, file, LabelSectionName(language), labels)) {
                failedFile_ = file;
            }
        }
    }

    const std::optional<std::wstring>& failedFile() const { return failedFile_; }

private:
    std::wstring PathOf(std::wstring_view name) const
    {
        return WidePath(NativePath(folder_) / NativePath(std::wstring(name)));
    }

    const std::wstring& folder_;
    FileSystem& files_;
    ProfileFile& profiles_;
    std::optional<std::wstring> failedFile_;
};

}  // namespace

Settings FactorySettings()
{
    Settings settings{};
    RestoreDefaultSettings(settings);
    settings.auxColor = {0xFF, 0xFF, 0xFF};
    settings.liftOffDistance = 4;
    return settings;
}

std::optional<std::wstring> WriteFactoryDataFiles(const std::wstring& folder, FileSystem& files,
                                                  ProfileFile& profiles)
{
    DataFileWriter writer(folder, files, profiles);
    const auto settingsFile = EncodeSettingsFile(FactorySettings());
    writer.WriteBinary(kDefaultSettingsFileName, settingsFile);
    for (int profile = 0; profile < kProfileCount; ++profile) {
        writer.WriteBinary(SettingsFileName(profile), settingsFile);
    }

    const std::wstring profileList = writer.StartIni(kProfileListFileName);
    writer.Write(profileList, L"Profile", L"CurProfileName", kFirstProfileName);
    writer.Write(profileList, L"Profile", L"ItemCount", L"1");
    writer.Write(profileList, L"Profile", L"Item0", kFirstProfileName);
    writer.Write(profileList, L"Skins", L"Lan", kInstalledLanguageCode);
    writer.WriteFactoryLabels(profileList);

    for (int profile = 0; profile < kProfileCount; ++profile) {
        const std::wstring labelFile = writer.StartIni(LabelFileName(profile));
        writer.Write(labelFile, L"Skins", L"Lan", kInstalledLanguageCode);
        writer.WriteFactoryLabels(labelFile);
    }

    const std::wstring macroStore = writer.StartIni(kMacroStoreFileName);
    writer.Write(macroStore, L"MacroName", L"MacroCount", L"0");
    writer.Write(macroStore, L"MacroName", L"0", L"");
    return writer.failedFile();
}

}  // namespace norvale::tools
