#include "mouse_access.h"

namespace norvale::tools {

// Built where hidapi was not found: only the emulated mouse can be reached.
std::unique_ptr<MouseAccess> OpenSystemMouseAccess(std::ostream& err)
{
    err << "norvalectl: this build cannot reach a mouse (it was built without hidapi); try --emulated\n";
    return nullptr;
}

}  // namespace norvale::tools
