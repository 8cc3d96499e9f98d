#include "apply_command.h"

#include <filesystem>
#include <fstream>

#include "device_session.h"
#include "encoding/apply_sequence.h"
#include "macro/macro_image_rebuild.h"
#include "platform/host_profile_file.h"
#include "platform/native_path.h"
#include "platform/standard_file_system.h"
#include "settings/settings_paths.h"
#include "text/factory_labels.h"

namespace norvale::tools {
namespace {

struct ApplyOptions {
    bool emulated = false;
    std::filesystem::path folder;
};

std::optional<ApplyOptions> ParseOptions(Arguments arguments)
{
    ApplyOptions options;
    for (std::size_t position = 0; position < arguments.size(); ++position) {
        if (arguments[position] == "--emulated") {
            options.emulated = true;
        } else if (arguments[position] == "--dir" && position + 1 < arguments.size()) {
            options.folder = arguments[++position];
        } else {
            return std::nullopt;
        }
    }
    if (options.folder.empty()) return std::nullopt;
    return options;
}

// The files a load may read; those that exist must be readable files.
std::vector<std::wstring> SettingsFileNames()
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
    for (const std::wstring& name : SettingsFileNames()) {
        const std::filesystem::path path = folder / NativePath(name);
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path, std::ios::binary)) return path;
    }
    return std::nullopt;
}

}  // namespace

int RunApplyCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(arguments);
    if (!options) return BadUsage(kApplyCommand, err);
    std::error_code error;
    if (!std::filesystem::is_directory(options->folder, error)) {
        err << "norvalectl apply: no such folder: " << options->folder.string() << '\n';
        return kExitFailure;
    }
    if (const auto unreadable = FirstUnreadableFile(options->folder)) {
        err << "norvalectl apply: cannot read " << unreadable->string() << '\n';
        return kExitFailure;
    }

    const ChosenAccess access = ChooseMouseAccess(options->emulated, err);
    const std::unique_ptr<DeviceSession> session = OpenDeviceSession(access, kApplyCommand.name, err);
    if (!session) return kExitMouseFailure;
    EmulatedMouseAccess* const emulated = access.emulated.get();
    if (emulated) emulated->Mouse().ClearTrace();

    StandardFileSystem fileSystem;
    HostProfileFile profiles;
    SettingsRecord record;
    SettingsFiles files(WidePath(options->folder / "Norvale.exe"), record.live, fileSystem, profiles);
    ConnectMacroImageRebuild(files, record.live, profiles, fileSystem);
    files.LoadSettings();
    CommitSettings(record);

    // At start-up the function buttons show the labels of the current profile.
    const std::wstring languageSection(LabelSectionName(UiLanguageFromCode(files.ReadUiLanguageCode())));
    const ButtonCaptions captions{languageSection, files.LoadLabelTexts(languageSection)};
    DeviceStateArea deviceState;
    // The files are saved only after the last block went through.
    const auto progress = [&](const std::string& block, std::size_t sent, std::size_t total) {
        if (session->MouseFailed()) return false;
        err << "norvalectl apply: sent " << block << " (" << sent << " of " << total << ")\n";
        return true;
    };
    const bool applied = EncodeAndApply({session->Context(), deviceState, record, files}, captions, progress);
    if (!applied) return MouseStoppedAnswering(kApplyCommand.name, "; the settings files were left as they were", err);
    CommitSettings(record);
    if (!emulated) return kExitSuccess;

    const EmulatedMouse& mouse = emulated->Mouse();
    for (const std::string& line : mouse.Trace()) out << line << '\n';
    if (!mouse.Violations().empty()) {
        err << "norvalectl apply: the mouse reports " << mouse.Violations().size() << " protocol violations\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

}  // namespace norvale::tools
