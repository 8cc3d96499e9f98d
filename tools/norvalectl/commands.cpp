#include "command.h"
#include "defaults_command.h"

namespace norvale::tools {

std::span<const Command> AllCommands()
{
    static const Command commands[] = {
        kDefaultsCommand,
    };
    return commands;
}

}  // namespace norvale::tools
