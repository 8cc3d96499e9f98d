#pragma once
#include "command.h"

namespace norvale::tools {

int RunApplyCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kApplyCommand{
    "apply", "load the settings of a folder and apply them to the emulated mouse",
    "norvalectl apply --emulated --dir DIR\n\n"
    "Does what the utility does at start-up and on Apply: loads the settings of\n"
    "the current profile from DIR (str.ini, config%d.bin, record.ini), sends them\n"
    "to an emulated mouse in virtual time and saves the files as Apply saves them.\n"
    "Prints the mouse's trace, one report a line: <ms> <KIND> <HEX>.",
    &RunApplyCommand};

}  // namespace norvale::tools
