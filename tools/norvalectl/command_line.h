#pragma once
#include "command.h"

namespace norvale::tools {

// norvalectl's whole command line (without the program name): finds the
// subcommand and runs it. Returns the process exit code and never throws.
int RunCommandLine(Arguments arguments, std::ostream& out, std::ostream& err);

}  // namespace norvale::tools
