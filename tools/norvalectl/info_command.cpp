#include "info_command.h"

#include <iomanip>

#include "device/device_commands.h"
#include "device_session.h"

namespace norvale::tools {

int RunInfoCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<bool> emulated = ParseEmulatedOnly(arguments);
    if (!emulated) return BadUsage(kInfoCommand, err);
    const ChosenAccess access = ChooseMouseAccess(*emulated, err);
    const std::unique_ptr<DeviceSession> session = OpenDeviceSession(access, kInfoCommand.name, err);
    if (!session) return kExitMouseFailure;

    const FirmwareVersion firmware = QueryFirmwareVersion(session->Context());
    const unsigned profileIndex = ReadProfileIndex(session->Context());
    if (session->MouseFailed()) return MouseStoppedAnswering(kInfoCommand.name, "", err);
    out << "firmware version: " << std::uppercase << std::hex << std::setfill('0') << std::setw(2)
        << unsigned{firmware.major} << '.' << std::setw(2) << unsigned{firmware.minor} << std::dec << '\n'
        << "profile index: " << profileIndex << '\n';
    return kExitSuccess;
}

}  // namespace norvale::tools
