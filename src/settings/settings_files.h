#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/label_file.h"
#include "settings/settings_record.h"

namespace norvale {

inline constexpr std::size_t kSettingsFileSize = 1 + kSettingsSize;

// The content of a settings file: the first-run flag 0x01, then the settings.
std::vector<std::uint8_t> EncodeSettingsFile(const Settings& settings);

// Gives the file that content as a whole, creating it when needed; failures
// are debug lines only.
void WriteSettingsFile(FileSystem& files, const std::wstring& path, const Settings& settings);

// The settings files beside the executable: which profile's files are
// current, and loading and saving the live settings and the button labels.
class SettingsFiles {
public:
    SettingsFiles(std::wstring executablePath, Settings& settings, FileSystem& files,
                  ProfileFile& profiles);

    // Chooses the current profile from the profile list in "str.ini" (or the
    // factory files while defaultsRequested is set), reads its settings file
    // into the live settings and rebuilds the macro images. A missing or
    // broken profile list falls back to the files of profile 0.
    void LoadSettings();

    // Writes the live settings to the current profile's settings file, only
    // when that file exists, replacing its content as a whole.
    void SaveSettings();

    // "Item1".."Item7" of the language section of the current label file;
    // missing keys give empty labels.
    ButtonLabels LoadLabelTexts(std::wstring_view languageSection);

    // Stores the captions the function buttons show under "Item1".."Item7".
    void SaveLabelTexts(std::wstring_view languageSection, const ButtonLabels& captions);

    // The UI language code, key "Lan" of section "Skins" of the current label file.
    std::wstring ReadUiLanguageCode();

    // Makes the files of that profile current, as the profile list and every
    // save do.
    void UseProfileFiles(int profile);

    // Makes the files of that profile current and reads its settings file
    // into the live settings, if it exists. Unlike LoadSettings it leaves
    // the macro images as the file has them: a profile brings its own macros.
    void LoadProfile(int profile);

    // Makes files of these names beside the executable current, as import
    // and export do with the name the user chose.
    void UseChosenFiles(std::wstring_view settingsFileName, std::wstring_view labelFileName);

    // Reads the current settings file into the live settings, if it exists.
    void ReadCurrentSettingsFile();

    // The last step of every LoadSettings: rebuilds the macro images of the
    // live settings from the macro store (macroStorePath). Installed by
    // whoever owns the macro image encoder; nothing runs while it is empty.
    std::function<void()> rebuildMacroImages;

    std::uint8_t profileNumber = 0;  // 0..5
    bool defaultsRequested = false;
    std::uint8_t firstRunFlag = 0;   // the byte last read from a settings file

    const std::wstring& executablePath() const { return executablePath_; }
    const std::wstring& settingsFilePath() const { return settingsFilePath_; }
    const std::wstring& labelFilePath() const { return labelFilePath_; }
    const std::wstring& profileListPath() const { return profileListPath_; }
    const std::wstring& macroStorePath() const { return macroStorePath_; }

private:
    void ChooseProfileFromList();

    std::wstring executablePath_;
    Settings& settings_;
    FileSystem& files_;
    ProfileFile& profiles_;
    std::wstring settingsFilePath_;
    std::wstring labelFilePath_;
    std::wstring profileListPath_;
    std::wstring macroStorePath_;
};

}  // namespace norvale
