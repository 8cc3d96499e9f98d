#include "settings/profile_transfer.h"

#include <cstring>

#include "platform/debug_output.h"

namespace norvale {
namespace {

constexpr std::wstring_view kSettingsExtension = L".bin";
constexpr std::wstring_view kLabelExtension = L".ini";

std::size_t NameStart(std::wstring_view path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

std::wstring_view FileNameOf(std::wstring_view path)
{
    return path.substr(NameStart(path));
}

}  // namespace

std::wstring LabelPathBeside(std::wstring_view settingsPath)
{
    std::wstring path(settingsPath);
    for (std::size_t at = path.find(kSettingsExtension, NameStart(path)); at != std::wstring::npos;
         at = path.find(kSettingsExtension, at + kLabelExtension.size())) {
        path.replace(at, kSettingsExtension.size(), kLabelExtension);
    }
    return path;
}

ProfileTransfer::ProfileTransfer(SettingsFiles& current, Settings& settings, FileSystem& files,
                                 ProfileFile& profiles)
    : current_(current), settings_(settings), files_(files), profiles_(profiles)
{
}

ProfileImport ProfileTransfer::Import(const std::wstring& chosenPath, std::wstring_view languageSection)
{
    const std::wstring_view name = FileNameOf(chosenPath);
    if (name.find(kSettingsExtension) == std::wstring_view::npos) return {};
    if (!files_.Exists(chosenPath)) {
        current_.UseChosenFiles(name, FileNameOf(LabelPathBeside(name)));
        DebugLine(L"Config file is not exist.\n");
        return {};
    }
    // One byte more than a settings file tells a longer file from a whole one.
    const auto content = files_.Read(chosenPath, kSettingsFileSize + 1);
    if (content && content->size() == kSettingsFileSize) {
        Settings imported;
        std::memcpy(&imported, content->data() + 1, kSettingsSize);
        if (const auto fault = FindImportFault(imported)) return {.labels = std::nullopt, .refusal = fault};
        current_.firstRunFlag = content->front();
        settings_ = imported;
        DebugLine(L"Program First Run Flag:" + std::to_wstring(current_.firstRunFlag) +
                  L"\nRead Size is: " + std::to_wstring(kSettingsSize));
    }
    const std::wstring labelPath = LabelPathBeside(chosenPath);
    current_.UseChosenFiles(name, FileNameOf(labelPath));
    return {.labels = ReadLabelTexts(profiles_, labelPath, languageSection), .refusal = std::nullopt};
}

void ProfileTransfer::Export(std::wstring chosenPath, std::wstring_view languageSection,
                             const ButtonLabels& captions)
{
    if (FileNameOf(chosenPath).find(kSettingsExtension) == std::wstring_view::npos) {
        chosenPath += kSettingsExtension;
    }
    const std::wstring labelPath = LabelPathBeside(chosenPath);
    current_.UseChosenFiles(FileNameOf(chosenPath), FileNameOf(labelPath));
    WriteLabelTexts(profiles_, labelPath, languageSection, captions);
    WriteSettingsFile(files_, chosenPath, settings_);
}

}  // namespace norvale
