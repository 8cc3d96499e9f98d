#include "defaults_command.h"

#include <filesystem>

#include "factory_data_files.h"
#include "platform/host_profile_file.h"
#include "platform/native_path.h"
#include "platform/standard_file_system.h"

namespace norvale::tools {

int RunDefaultsCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() != 2 || arguments[0] != "--dir") {
        err << "usage: " << kDefaultsCommand.usage << '\n';
        return kExitFailure;
    }
    const std::filesystem::path folder(arguments[1]);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        err << "norvalectl defaults: no such folder: " << folder.string() << '\n';
        return kExitFailure;
    }

    StandardFileSystem files;
    HostProfileFile profiles;
    if (const auto failedFile = WriteFactoryDataFiles(WidePath(folder), files, profiles)) {
        err << "norvalectl defaults: cannot write " << NativePath(*failedFile).string() << '\n';
        return kExitFailure;
    }
    out << "wrote the factory data files into " << folder.string() << '\n';
    return kExitSuccess;
}

}  // namespace norvale::tools
