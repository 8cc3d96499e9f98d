#include "settings/settings_files.h"

#include <cstring>
#include <vector>

#include "platform/debug_output.h"
#include "settings/decimal_text.h"
#include "settings/file_replacement.h"
#include "settings/settings_paths.h"

namespace norvale {
namespace {

constexpr std::wstring_view kProfileSection = L"Profile";
constexpr std::uint8_t kFirstRunFlagWritten = 0x01;

std::wstring ItemKey(int position)
{
    return L"Item" + std::to_wstring(position);
}

}  // namespace

std::vector<std::uint8_t> EncodeSettingsFile(const Settings& settings)
{
    std::vector<std::uint8_t> content(kSettingsFileSize);
    content[0] = kFirstRunFlagWritten;
    std::memcpy(content.data() + 1, &settings, kSettingsSize);
    return content;
}

void WriteSettingsFile(FileSystem& files, const std::wstring& path, const Settings& settings)
{
    if (const std::error_code error = ReplaceFileContent(files, path, EncodeSettingsFile(settings))) {
        ReportSaveFailure(error);
        return;
    }
    DebugLine(L"Data num:1 BYTE -" + std::to_wstring(kSettingsSize) + L" BYTE\n Struct size:" +
              std::to_wstring(kSettingsSize) + L" BYTE");
}

SettingsFiles::SettingsFiles(std::wstring executablePath, Settings& settings, FileSystem& files,
                             ProfileFile& profiles)
    : executablePath_(std::move(executablePath)), settings_(settings), files_(files), profiles_(profiles)
{
    profileListPath_ = PathBesideExecutable(executablePath_, kProfileListFileName);
    macroStorePath_ = PathBesideExecutable(executablePath_, kMacroStoreFileName);
    UseProfileFiles(profileNumber);
}

void SettingsFiles::UseProfileFiles(int profile)
{
    settingsFilePath_ = PathBesideExecutable(executablePath_, SettingsFileName(profile));
    labelFilePath_ = PathBesideExecutable(executablePath_, LabelFileName(profile));
}

void SettingsFiles::LoadSettings()
{
    if (defaultsRequested) {
        settingsFilePath_ = PathBesideExecutable(executablePath_, kDefaultSettingsFileName);
        labelFilePath_ = profileListPath_;
    } else {
        ChooseProfileFromList();
        UseProfileFiles(profileNumber);
    }
    ReadCurrentSettingsFile();
    if (rebuildMacroImages) rebuildMacroImages();
}

void SettingsFiles::ChooseProfileFromList()
{
    const int count =
        DecimalValue(profiles_.ReadString(profileListPath_, kProfileSection, L"ItemCount", L""));
    if (count < 1 || count > kProfileCount) {
        // Without a usable list, profile 0 is the only choice whose files
        // the installation is sure to have.
        profileNumber = 0;
        return;
    }
    const std::wstring current =
        profiles_.ReadString(profileListPath_, kProfileSection, L"CurProfileName", L"");
    for (int position = 0; position < count; ++position) {
        const std::wstring name =
            profiles_.ReadString(profileListPath_, kProfileSection, ItemKey(position), L"");
        if (name == current) profileNumber = static_cast<std::uint8_t>(position);
    }
}

void SettingsFiles::LoadProfile(int profile)
{
    UseProfileFiles(profile);
    ReadCurrentSettingsFile();
}

void SettingsFiles::UseChosenFiles(std::wstring_view settingsFileName, std::wstring_view labelFileName)
{
    settingsFilePath_ = PathBesideExecutable(executablePath_, settingsFileName);
    labelFilePath_ = PathBesideExecutable(executablePath_, labelFileName);
}

void SettingsFiles::ReadCurrentSettingsFile()
{
    // A file that exists but cannot be read leaves the settings as a missing one does.
    const auto bytes = files_.Exists(settingsFilePath_)
                           ? files_.Read(settingsFilePath_, kSettingsFileSize)
                           : std::nullopt;
    if (!bytes) {
        DebugLine(L"Config file is not exist.\n");
        return;
    }
    std::size_t readSize = 0;
    if (!bytes->empty()) {
        firstRunFlag = bytes->front();
        readSize = bytes->size() - 1;
        std::memcpy(&settings_, bytes->data() + 1, readSize);
    }
    DebugLine(L"Program First Run Flag:" + std::to_wstring(firstRunFlag) +
              L"\nRead Size is: " + std::to_wstring(readSize));
}

void SettingsFiles::SaveSettings()
{
    UseProfileFiles(profileNumber);
    if (!files_.Exists(settingsFilePath_)) {
        DebugLine(L"Config file is not exist.\n");
        return;
    }
    WriteSettingsFile(files_, settingsFilePath_, settings_);
}

ButtonLabels SettingsFiles::LoadLabelTexts(std::wstring_view languageSection)
{
    return ReadLabelTexts(profiles_, labelFilePath_, languageSection);
}

void SettingsFiles::SaveLabelTexts(std::wstring_view languageSection, const ButtonLabels& captions)
{
    WriteLabelTexts(profiles_, labelFilePath_, languageSection, captions);
}

std::wstring SettingsFiles::ReadUiLanguageCode()
{
    return profiles_.ReadString(labelFilePath_, L"Skins", L"Lan", L"");
}

}  // namespace norvale
