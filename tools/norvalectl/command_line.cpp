#include "command_line.h"

#include <algorithm>
#include <exception>
#include <iomanip>

namespace norvale::tools {
namespace {

bool IsHelp(std::string_view argument)
{
    return argument == "--help" || argument == "-h";
}

void PrintHelp(std::ostream& out)
{
    out << "usage: norvalectl <command> [options]\n"
           "       norvalectl <command> --help\n\n"
           "Maintains the data files of a Norvale installation and drives the mouse.\n\n"
           "commands:\n";
    for (const Command& command : AllCommands()) {
        out << "  " << std::left << std::setw(12) << command.name << command.summary << '\n';
    }
    out << "\nexit codes:\n"
           "  0  success\n"
           "  1  the mouse is not there, refused a command or stopped answering\n"
           "  2  bad use: bad arguments, a refused value, a missing folder, a file that cannot be\n"
           "     read or written\n";
}

}  // namespace

int RunCommandLine(Arguments arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        PrintHelp(err);
        return kExitFailure;
    }
    if (IsHelp(arguments[0])) {
        PrintHelp(out);
        return kExitSuccess;
    }
    const auto commands = AllCommands();
    const auto command = std::ranges::find(commands, arguments[0], &Command::name);
    if (command == commands.end()) {
        err << "norvalectl: unknown command '" << arguments[0] << "' (see norvalectl --help)\n";
        return kExitFailure;
    }
    const Arguments rest = arguments.subspan(1);
    if (std::ranges::any_of(rest, IsHelp)) {
        out << "usage: " << command->usage << '\n';
        return kExitSuccess;
    }
    try {
        return command->run(rest, out, err);
    } catch (const std::exception& error) {
        err << "norvalectl " << command->name << ": " << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace norvale::tools
