#include "watch_command.h"

#include <atomic>
#include <charconv>
#include <optional>
#include <vector>

#include "device/event_report.h"
#include "device_session.h"
#include "interrupt_watch.h"

namespace norvale::tools {
namespace {

constexpr std::uint8_t kMacroEventCode = 9;

struct WatchOptions {
    bool emulated = false;
    std::vector<DeviceEvent> presses;
};

std::optional<std::uint8_t> ByteValue(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFF) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::optional<DeviceEvent> ParsePress(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto code = ByteValue(text.substr(0, colon));
    const auto value = ByteValue(text.substr(colon + 1));
    if (!code || !value) return std::nullopt;
    return DeviceEvent{*code, *value};
}

std::optional<WatchOptions> ParseOptions(Arguments arguments)
{
    WatchOptions options;
    for (std::size_t position = 0; position < arguments.size(); ++position) {
        if (arguments[position] == "--emulated") {
            options.emulated = true;
        } else if (arguments[position] == "--press" && position + 1 < arguments.size()) {
            const auto press = ParsePress(arguments[++position]);
            if (!press) return std::nullopt;
            options.presses.push_back(*press);
        } else {
            return std::nullopt;
        }
    }
    if (!options.emulated && !options.presses.empty()) return std::nullopt;
    return options;
}

std::string EventLine(const DeviceEvent& event)
{
    if (event.code >= 1 && event.code <= 3) return "dpi stage " + std::to_string(event.value);
    if (event.code == kMacroEventCode) return "macro " + std::to_string(event.value);
    return "event " + std::to_string(event.code) + " " + std::to_string(event.value);
}

// Reads the event collection one report at a time until `stopping` is
// raised, printing each event; false when the mouse went away.
class EventWatch {
public:
    EventWatch(HidBus& bus, const DeviceLink& link)
        : bus_(bus), events_(link.eventHandle), buffer_(link.eventInputReportLength), done_(bus.CreateSignal())
    {
    }

    bool Run(std::ostream& out, const std::function<void()>& afterEach)
    {
        while (!stopping_) {
            done_->Reset();
            if (!bus_.StartEventRead(events_, buffer_, *done_)) return false;
            // A stop that came before the read started found nothing to cancel.
            if (stopping_) bus_.CancelEventRead(events_);
            done_->Wait();
            const std::size_t transferred = bus_.FinishEventRead(events_);
            if (stopping_) break;
            // Only a cancel or a failure ends a read without a report.
            if (transferred == 0) return false;
            if (const auto event = ParseEventReport(std::span(buffer_).first(transferred))) {
                out << EventLine(*event) << std::endl;
                afterEach();
            }
        }
        return true;
    }

    // From any thread.
    void Stop()
    {
        stopping_ = true;
        bus_.CancelEventRead(events_);
    }

private:
    HidBus& bus_;
    const HidHandle events_;
    std::vector<std::uint8_t> buffer_;
    const std::unique_ptr<HidSignal> done_;
    std::atomic<bool> stopping_{false};
};

}  // namespace

int RunWatchCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(arguments);
    if (!options) return BadUsage(kWatchCommand, err);
    const ChosenAccess access = ChooseMouseAccess(options->emulated, err);
    const std::unique_ptr<DeviceSession> session = OpenDeviceSession(access, kWatchCommand.name, err);
    if (!session) return kExitMouseFailure;
    EmulatedMouseAccess* const emulated = access.emulated.get();

    EventWatch watch(session->Bus(), session->Link());
    std::size_t heard = 0;
    // The emulated mouse has nothing more to say after its presses.
    const auto afterEach = [&] {
        if (emulated && ++heard == options->presses.size()) watch.Stop();
    };
    if (emulated) {
        for (const DeviceEvent& press : options->presses) emulated->Mouse().Press(press.code, press.value);
        if (options->presses.empty()) return kExitSuccess;
    } else {
        err << "norvalectl watch: watching the mouse; Ctrl-C ends\n";
    }
    const InterruptWatch interrupt([&] { watch.Stop(); });
    if (watch.Run(out, afterEach)) return kExitSuccess;
    err << "norvalectl watch: the mouse went away\n";
    return kExitMouseFailure;
}

}  // namespace norvale::tools
