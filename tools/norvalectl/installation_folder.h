#pragma once
#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>

#include "encoding/apply_sequence.h"
#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/settings_files.h"
#include "text/ui_language.h"

namespace norvale::tools {

// The data files of an installation folder as the utility finds them when it
// starts: the current profile's settings with the macro images rebuilt from
// the store, the language of its label file and the captions of its buttons.
class InstallationFolder {
public:
    explicit InstallationFolder(const std::filesystem::path& folder);
    InstallationFolder(const InstallationFolder&) = delete;
    InstallationFolder& operator=(const InstallationFolder&) = delete;

    // Writes the live settings and the captions back, as an apply saves them.
    void Save();

    const std::filesystem::path& folder() const { return folder_; }

    StandardFileSystem fileSystem;
    HostProfileFile profiles;
    SettingsRecord record;
    SettingsFiles files;
    UiLanguage language = UiLanguage::Unknown;
    ButtonCaptions captions;

private:
    std::filesystem::path folder_;
};

// The folder's files loaded, or null after telling `err` why not: the folder
// is missing, or one of its data files cannot be read.
std::unique_ptr<InstallationFolder> OpenInstallationFolder(const std::filesystem::path& folder,
                                                           std::string_view command, std::ostream& err);

}  // namespace norvale::tools
