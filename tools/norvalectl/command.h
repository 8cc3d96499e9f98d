#pragma once
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace norvale::tools {

inline constexpr int kExitSuccess = 0;
// The mouse is not there, refused a command or stopped answering.
inline constexpr int kExitMouseFailure = 1;
// Bad use: bad arguments, a value out of range, a missing folder, a file that
// cannot be read or written.
inline constexpr int kExitFailure = 2;

using Arguments = std::span<const std::string>;

// One subcommand of norvalectl. run receives the arguments after its name.
struct Command {
    std::string_view name;
    std::string_view summary;
    std::string_view usage;
    int (*run)(Arguments arguments, std::ostream& out, std::ostream& err);
};

// Every subcommand, in the order the help lists them.
std::span<const Command> AllCommands();

}  // namespace norvale::tools
