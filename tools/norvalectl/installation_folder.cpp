#include "installation_folder.h"

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "macro/macro_image_rebuild.h"
#include "platform/native_path.h"
#include "settings/settings_paths.h"
#include "text/factory_labels.h"

namespace norvale::tools {
namespace {

// The files a load may read; those that exist must be readable files.
std::vector<std::wstring> DataFileNames()
{
    std::vector<std::wstring> names = {std::wstring(kProfileListFileName), std::wstring(kMacroStoreFileName),
                                       std::wstring(kDefaultSettingsFileName)};
    for (int profile = 0; profile < kProfileCount; ++profile) {
        names.push_back(SettingsFileName(profile));
        names.push_back(LabelFileName(profile));
    }
    return names;
}

std::optional<std::filesystem::path> FirstUnreadableFile(const std::filesystem::path& folder)
{
    for (const std::wstring& name : DataFileNames()) {
        const std::filesystem::path path = folder / NativePath(name);
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path, std::ios::binary)) return path;
    }
    return std::nullopt;
}

}  // namespace

InstallationFolder::InstallationFolder(const std::filesystem::path& folder)
    : files(WidePath(folder / "Norvale.exe"), record.live, fileSystem, profiles), folder_(folder)
{
    ConnectMacroImageRebuild(files, record.live, profiles, fileSystem);
    files.LoadSettings();
    CommitSettings(record);
    // The function buttons show the labels of the current profile in the
    // language its label file names.
    language = UiLanguageFromCode(files.ReadUiLanguageCode());
    captions.languageSection = LabelSectionName(language);
    captions.captions = files.LoadLabelTexts(captions.languageSection);
}

void InstallationFolder::Save()
{
    files.SaveSettings();
    files.SaveLabelTexts(captions.languageSection, captions.captions);
}

std::unique_ptr<InstallationFolder> OpenInstallationFolder(const std::filesystem::path& folder,
                                                           std::string_view command, std::ostream& err)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        err << "norvalectl " << command << ": no such folder: " << folder.string() << '\n';
        return nullptr;
    }
    if (const auto unreadable = FirstUnreadableFile(folder)) {
        err << "norvalectl " << command << ": cannot read " << unreadable->string() << '\n';
        return nullptr;
    }
    return std::make_unique<InstallationFolder>(folder);
}

}  // namespace norvale::tools
