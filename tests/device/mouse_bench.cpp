#include "mouse_bench.h"

#include "device/device_discovery.h"

namespace norvale {

bool MouseBench::DiscoverMouseOnBench()
{
    const bool found = DiscoverMouse(bus, link);
    debug.lines.clear();
    mouse.ClearTrace();
    return found;
}

}  // namespace norvale
