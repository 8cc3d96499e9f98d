#include "apply_command.h"

#include <filesystem>

#include "device_session.h"
#include "encoding/apply_sequence.h"
#include "installation_folder.h"

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

}  // namespace

int RunApplyCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(arguments);
    if (!options) return BadUsage(kApplyCommand, err);
    const auto installation = OpenInstallationFolder(options->folder, kApplyCommand.name, err);
    if (!installation) return kExitFailure;

    const ChosenAccess access = ChooseMouseAccess(options->emulated, err);
    const std::unique_ptr<DeviceSession> session = OpenDeviceSession(access, kApplyCommand.name, err);
    if (!session) return kExitMouseFailure;
    EmulatedMouseAccess* const emulated = access.emulated.get();
    if (emulated) emulated->Mouse().ClearTrace();

    DeviceStateArea deviceState;
    // The files are saved only after the last block went through.
    const auto progress = [&](const std::string& block, std::size_t sent, std::size_t total) {
        if (session->MouseFailed()) return false;
        err << "norvalectl apply: sent " << block << " (" << sent << " of " << total << ")\n";
        return true;
    };
    const bool applied = EncodeAndApply({session->Context(), deviceState, installation->record, installation->files},
                                        installation->captions, progress);
    if (!applied) return MouseStoppedAnswering(kApplyCommand.name, "; the settings files were left as they were", err);
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
