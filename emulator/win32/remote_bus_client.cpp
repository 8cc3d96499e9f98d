// The emulated build reaches the mouse served by norvale-emulator through
// Winsock; the address comes from NORVALE_EMULATOR ("host:port").
#include <winsock2.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "device/hid_bus_factory.h"
#include "emulator/remote_hid_bus.h"
#include "emulator/win32/line_socket.h"

namespace norvale {
namespace {

// Longer than any time-out the server applies to one request.
constexpr DWORD kResponseTimeoutMs = 5000;
constexpr auto kReconnectPause = std::chrono::milliseconds(500);

EmulatorAddress AddressFromEnvironment()
{
    wchar_t text[256] = {};
    const DWORD length = GetEnvironmentVariableW(L"NORVALE_EMULATOR", text, 256);
    if (length == 0 || length >= 256) return {};
    return ParseEmulatorAddress(NarrowPath(text));
}

class HidChannel final : public RemoteChannel {
public:
    explicit HidChannel(EmulatorAddress address) : address_(std::move(address)) {}

    std::string Exchange(const std::string& request) override
    {
        std::lock_guard lock(mutex_);
        if (!socket_.IsOpen() && !socket_.Connect(address_, "HID", kResponseTimeoutMs)) return {};
        std::string response;
        if (socket_.SendLine(request) && socket_.ReadLine(response)) return response;
        socket_.Close();
        return {};
    }

private:
    const EmulatorAddress address_;
    std::mutex mutex_;
    LineSocket socket_;
};

// The remote bus plus the thread that listens to the watch channel and hands
// its lines to the bus; device changes reach the program on that thread.
class EmulatedMouseClient final : public RemoteHidBus {
public:
    explicit EmulatedMouseClient(const EmulatorAddress& address)
        : RemoteHidBus(std::make_unique<HidChannel>(address)), address_(address), watcher_([this] { Watch(); })
    {
    }

    ~EmulatedMouseClient() override
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            watch_.Interrupt();
        }
        stopped_.notify_all();
        watcher_.join();
    }

private:
    void Watch()
    {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (watch_.Connect(address_, "WATCH", 0)) {
                lock.unlock();
                std::string line;
                while (watch_.ReadLine(line)) Deliver(line);
                ConnectionLost();
                lock.lock();
                watch_.Close();
            }
            stopped_.wait_for(lock, kReconnectPause, [this] { return stopping_; });
        }
    }

    const EmulatorAddress address_;
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    LineSocket watch_;
    std::thread watcher_;
};

}  // namespace

std::unique_ptr<HidBus> CreateHidBus()
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
    return std::make_unique<EmulatedMouseClient>(AddressFromEnvironment());
}

}  // namespace norvale
