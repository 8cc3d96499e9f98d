#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "emulator/mouse_control_service.h"
#include "emulator/remote_hid_service.h"

namespace norvale {

// Serves the emulated mouse on 127.0.0.1: every connection names its channel
// with its first line ("HID" or "WATCH"); any other first line is already a
// control command. One thread, one request at a time.
class LoopbackServer {
public:
    LoopbackServer(RemoteHidService& hid, MouseControlService& control) : hid_(hid), control_(control) {}

    // False, with the reason on standard error, when the port cannot be bound.
    bool Listen(std::uint16_t port);
    // Runs until a control connection says "quit".
    void Run();

private:
    enum class Channel { Unnamed, Hid, Watch, Control };
    struct Client {
        int socket = -1;
        Channel channel = Channel::Unnamed;
        std::string pending;
    };

    void Accept();
    // False when the peer has gone.
    bool Receive(Client& client);
    void Serve(Client& client, const std::string& line);
    void Push();

    RemoteHidService& hid_;
    MouseControlService& control_;
    int listener_ = -1;
    std::vector<Client> clients_;
};

}  // namespace norvale
