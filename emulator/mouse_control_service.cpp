#include "emulator/mouse_control_service.h"

#include <map>

#include "emulator/remote_protocol.h"

namespace norvale {
namespace {

std::optional<std::uint8_t> ByteArgument(const std::vector<std::string>& words, std::size_t i)
{
    if (i >= words.size()) return std::nullopt;
    const auto value = ParseNumber(words[i]);
    if (!value || *value > 0xFF) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

std::vector<std::string> WithOk(std::vector<std::string> lines)
{
    lines.push_back("OK");
    return lines;
}

}  // namespace

std::vector<std::string> MouseControlService::Handle(std::string_view command)
{
    static const std::map<std::string, MouseFault, std::less<>> faults = {
        {"none", MouseFault::None},
        {"noreply", MouseFault::NoReply},
        {"short", MouseFault::ShortReply},
        {"garbage", MouseFault::GarbageReply},
        {"disconnect", MouseFault::DisconnectMidTransfer},
    };
    const std::vector<std::string> words = SplitWords(command);
    if (words.empty()) return {"ERR empty command"};
    const std::string& verb = words[0];

    if (verb == "plug") {
        mouse_.Plug();
    } else if (verb == "unplug") {
        mouse_.Unplug();
    } else if (verb == "press") {
        const auto code = ByteArgument(words, 1);
        const auto value = ByteArgument(words, 2);
        if (!code || !value) return {"ERR usage: press <code> <value>"};
        mouse_.Press(*code, *value);
    } else if (verb == "profile") {
        const auto index = ByteArgument(words, 1);
        if (!index) return {"ERR usage: profile <index>"};
        mouse_.SetProfileIndex(*index);
    } else if (verb == "fail") {
        const auto fault = words.size() == 2 ? faults.find(words[1]) : faults.end();
        if (fault == faults.end()) return {"ERR usage: fail none|noreply|short|garbage|disconnect"};
        mouse_.SetFault(fault->second);
    } else if (verb == "trace") {
        return WithOk(mouse_.Trace());
    } else if (verb == "violations") {
        return WithOk(mouse_.Violations());
    } else if (verb == "clear-trace") {
        mouse_.ClearTrace();
    } else if (verb == "quit") {
        quit_ = true;
    } else {
        return {"ERR unknown command " + verb};
    }
    return {"OK"};
}

}  // namespace norvale
