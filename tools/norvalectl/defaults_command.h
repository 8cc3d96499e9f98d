#pragma once
#include "command.h"

namespace norvale::tools {

int RunDefaultsCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kDefaultsCommand{
    "defaults", "write a complete set of data files from the factory defaults",
    "norvalectl defaults --dir DIR\n\n"
    "Writes config.bin, config0.bin ... config5.bin, str.ini, str0.ini ... str5.ini\n"
    "and record.ini into the existing folder DIR, replacing files of those names.",
    &RunDefaultsCommand};

}  // namespace norvale::tools
