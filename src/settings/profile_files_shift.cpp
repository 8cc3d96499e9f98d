#include "settings/profile_files_shift.h"

#include "settings/file_replacement.h"
#include "settings/label_file.h"
#include "settings/settings_files.h"
#include "settings/settings_paths.h"
#include "text/factory_labels.h"

namespace norvale {
namespace {

// Far beyond any label file; only the limit of one read.
constexpr std::size_t kLargestCopiedFile = 1 << 20;

void ReplaceOrReport(FileSystem& files, const std::wstring& path, std::span<const std::uint8_t> content)
{
    if (const std::error_code error = ReplaceFileContent(files, path, content)) {
        ReportSaveFailure(error);
    }
}

void CopyContent(FileSystem& files, const std::wstring& source, const std::wstring& target)
{
    if (!files.Exists(target)) return;
    if (const auto content = files.Read(source, kLargestCopiedFile)) ReplaceOrReport(files, target, *content);
}

std::vector<std::uint8_t> FactorySettingsFile(FileSystem& files, const std::wstring& executablePath)
{
    const std::wstring factoryPath = PathBesideExecutable(executablePath, kDefaultSettingsFileName);
    if (auto content = files.Read(factoryPath, kSettingsFileSize); content && !content->empty()) {
        return *content;
    }
    Settings defaults{};
    RestoreDefaultSettings(defaults);
    return EncodeSettingsFile(defaults);
}

void RestoreFactoryFiles(FileSystem& files, ProfileFile& profiles, const std::wstring& executablePath,
                         int position)
{
    const std::wstring settingsPath = PathBesideExecutable(executablePath, SettingsFileName(position));
    if (files.Exists(settingsPath)) ReplaceOrReport(files, settingsPath, FactorySettingsFile(files, executablePath));
    const std::wstring labelPath = PathBesideExecutable(executablePath, LabelFileName(position));
    if (!files.Exists(labelPath)) return;
    for (const UiLanguage language : kUiLanguages) {
        WriteLabelTexts(profiles, labelPath, LabelSectionName(language), FactoryButtonLabels(language));
    }
}

}  // namespace

void ShiftProfileFilesDown(FileSystem& files, ProfileFile& profiles, const std::wstring& executablePath,
                           int deletedPosition, int profileCount)
{
    if (deletedPosition < 0 || deletedPosition >= profileCount || profileCount > kProfileCount) return;
    auto beside = [&](const std::wstring& name) { return PathBesideExecutable(executablePath, name); };
    for (int position = deletedPosition; position + 1 < profileCount; ++position) {
        CopyContent(files, beside(SettingsFileName(position + 1)), beside(SettingsFileName(position)));
        CopyContent(files, beside(LabelFileName(position + 1)), beside(LabelFileName(position)));
    }
    RestoreFactoryFiles(files, profiles, executablePath, profileCount - 1);
}

}  // namespace norvale
