#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/imported_settings_check.h"
#include "settings/label_file.h"
#include "settings/settings_files.h"

namespace norvale {

// What an import brought: the labels of the INI beside the chosen file
// (empty ones when it has none), or the reason the file was refused, in
// which case nothing changed.
struct ProfileImport {
    std::optional<ButtonLabels> labels;
    std::optional<ImportFault> refusal;
};

// Import and export of a profile as a pair of files the user chose: a
// settings file "name.bin" and the labels in "name.ini" beside it. The file
// dialogs are the window's; these take the chosen full path.
class ProfileTransfer {
public:
    ProfileTransfer(SettingsFiles& current, Settings& settings, FileSystem& files, ProfileFile& profiles);

    // Reads the chosen file into the live settings, only when it has exactly
    // the size of a settings file and holds values the pages could have
    // made, then the labels beside it. Names without ".bin" are ignored.
    // The settings are live, not applied or saved.
    ProfileImport Import(const std::wstring& chosenPath, std::wstring_view languageSection);

    // Writes the captions beside the chosen file, then the live settings into
    // it, adding ".bin" when the name lacks it.
    void Export(std::wstring chosenPath, std::wstring_view languageSection, const ButtonLabels& captions);

private:
    SettingsFiles& current_;
    Settings& settings_;
    FileSystem& files_;
    ProfileFile& profiles_;
};

// The label file of an exported settings file: every ".bin" of the file
// name becomes ".ini" ("a.bin.bin" → "a.ini.ini"); the folder stays.
std::wstring LabelPathBeside(std::wstring_view settingsPath);

}  // namespace norvale
