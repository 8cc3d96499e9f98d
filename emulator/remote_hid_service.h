#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_bus.h"

namespace norvale {

// The server side of the HID channel: turns each request line into a call
// on `bus` and its response line. Completed event reads and device changes
// become push lines for the watch channel (see emulator/README.md).
class RemoteHidService {
public:
    explicit RemoteHidService(HidBus& bus);
    ~RemoteHidService();
    RemoteHidService(const RemoteHidService&) = delete;
    RemoteHidService& operator=(const RemoteHidService&) = delete;

    std::string Handle(std::string_view request);
    // Push lines gathered since the last call, in order.
    std::vector<std::string> TakePushes();

private:
    class ReadySignal;
    struct EventRead {
        std::vector<std::uint8_t> buffer;
        std::unique_ptr<ReadySignal> done;
    };

    std::string List();
    std::string Open(const std::vector<std::string>& words);
    std::string Caps(HidHandle handle);
    std::string StartEventRead(HidHandle handle, std::size_t length);
    void MarkReady(HidHandle handle);

    HidBus& bus_;
    std::map<HidHandle, EventRead> eventReads_;
    std::mutex pushMutex_;
    std::set<HidHandle> ready_;
    std::vector<std::string> pushes_;
};

}  // namespace norvale
