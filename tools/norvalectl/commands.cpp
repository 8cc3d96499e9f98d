#include "apply_command.h"
#include "command.h"
#include "defaults_command.h"

namespace norvale::tools {

std::span<const Command> AllCommands()
{
    static const Command commands[] = {
        kDefaultsCommand,
        kApplyCommand,
    };
    return commands;
}

}  // namespace norvale::tools
