#include "device_session.h"

#include "device/device_discovery.h"

namespace norvale::tools {

DeviceSession::DeviceSession(MouseAccess& access)
    : bus_(access.Bus()), clock_(access.Pacing()), found_(DiscoverMouse(bus_, link_))
{
}

DeviceSession::~DeviceSession() { CloseDeviceHandles(bus_, link_); }

int BadUsage(const Command& command, std::ostream& err)
{
    err << "usage: " << command.usage << '\n';
    return kExitFailure;
}

std::optional<bool> ParseEmulatedOnly(Arguments arguments)
{
    if (arguments.empty()) return false;
    if (arguments.size() == 1 && arguments[0] == "--emulated") return true;
    return std::nullopt;
}

ChosenAccess ChooseMouseAccess(bool emulated, std::ostream& err)
{
    if (emulated) return {std::make_unique<EmulatedMouseAccess>(), nullptr};
    return {nullptr, OpenMouseAccess(err)};
}

std::unique_ptr<DeviceSession> OpenDeviceSession(const ChosenAccess& access, std::string_view command,
                                                 std::ostream& err)
{
    if (!access.Get()) return nullptr;
    auto session = std::make_unique<DeviceSession>(*access.Get());
    if (session->Found()) return session;
    NoMouseFound(command, err);
    return nullptr;
}

int NoMouseFound(std::string_view command, std::ostream& err)
{
    err << "norvalectl " << command
        << ": no Norvale mouse found; is it plugged in, and may this user open it (see 70-norvale.rules)?\n";
    return kExitMouseFailure;
}

int MouseStoppedAnswering(std::string_view command, std::string_view consequence, std::ostream& err)
{
    err << "norvalectl " << command << ": the mouse stopped answering" << consequence << '\n';
    return kExitMouseFailure;
}

}  // namespace norvale::tools
