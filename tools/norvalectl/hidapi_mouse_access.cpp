#include "hidapi_mouse_access.h"

#include "platform/native_path.h"

namespace norvale::tools {

HidapiMouseAccess::HidapiMouseAccess(const HidapiFunctions& hidapi, Clock& pacing, std::ostream& err)
    : pacing_(pacing),
      // The lines are wide text; the path conversion gives their UTF-8 whatever the locale.
      bus_(hidapi, [&err](std::wstring_view line) { err << NativePath(std::wstring(line)).string() << std::flush; })
{
}

std::unique_ptr<MouseAccess> OpenSystemMouseAccess(std::ostream& err)
{
    static SystemClock clock;
    return std::make_unique<HidapiMouseAccess>(SystemHidapiFunctions(), clock, err);
}

}  // namespace norvale::tools
