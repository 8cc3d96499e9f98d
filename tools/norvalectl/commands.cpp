#include "apply_command.h"
#include "command.h"
#include "defaults_command.h"
#include "info_command.h"
#include "list_command.h"
#include "set_command.h"
#include "show_command.h"
#include "watch_command.h"

namespace norvale::tools {

std::span<const Command> AllCommands()
{
    static const Command commands[] = {
        kDefaultsCommand,
        kShowCommand,
        kSetCommand,
        kApplyCommand,
        kListCommand,
        kInfoCommand,
        kWatchCommand,
    };
    return commands;
}

}  // namespace norvale::tools
