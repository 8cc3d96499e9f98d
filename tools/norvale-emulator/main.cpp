// norvale-emulator: one emulated mouse on a loopback TCP port, for the
// emulated Windows build and the scripts that drive it (emulator/README.md).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "emulator/emulated_hid_bus.h"
#include "emulator/remote_protocol.h"
#include "loopback_server.h"

int main(int argc, char** argv)
{
    std::uint16_t port = norvale::kDefaultEmulatorPort;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            port = static_cast<std::uint16_t>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            std::fprintf(stderr, "usage: norvale-emulator [--port N]\n");
            return 2;
        }
    }

    norvale::SystemClock clock;
    norvale::EmulatedMouse mouse(clock);
    norvale::EmulatedHidBus bus;
    bus.Attach(mouse);
    norvale::RemoteHidService hid(bus);
    norvale::MouseControlService control(mouse);
    norvale::LoopbackServer server(hid, control);
    if (!server.Listen(port)) return 1;
    std::printf("norvale-emulator listening on 127.0.0.1:%u\n", port);
    std::fflush(stdout);
    server.Run();
    return 0;
}
