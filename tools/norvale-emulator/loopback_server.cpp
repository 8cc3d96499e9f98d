#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace norvale {
namespace {

void SendLine(int socket, const std::string& line)
{
    const std::string data = line + "\n";
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(socket, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

bool LoopbackServer::Listen(std::uint16_t port)
{
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    const int reuse = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof(reuse));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(listener_, 8) != 0) {
        std::fprintf(stderr, "norvale-emulator: cannot listen on 127.0.0.1:%u: %s\n", port, std::strerror(errno));
        return false;
    }
    return true;
}

void LoopbackServer::Accept()
{
    const int socket = accept(listener_, nullptr, nullptr);
    if (socket >= 0) clients_.push_back({socket, Channel::Unnamed, {}});
}

bool LoopbackServer::Receive(Client& client)
{
    char buffer[4096];
    const ssize_t n = recv(client.socket, buffer, sizeof(buffer), 0);
    if (n <= 0) return false;
    client.pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = client.pending.find('\n')) != std::string::npos;) {
        std::string line = client.pending.substr(0, end);
        client.pending.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Serve(client, line);
    }
    return true;
}

void LoopbackServer::Serve(Client& client, const std::string& line)
{
    if (client.channel == Channel::Unnamed) {
        if (line == "HID") {
            client.channel = Channel::Hid;
            return;
        }
        if (line == "WATCH") {
            client.channel = Channel::Watch;
            return;
        }
        client.channel = Channel::Control;
    }
    if (client.channel == Channel::Hid) SendLine(client.socket, hid_.Handle(line));
    if (client.channel == Channel::Control)
        for (const std::string& response : control_.Handle(line)) SendLine(client.socket, response);
}

void LoopbackServer::Push()
{
    for (const std::string& line : hid_.TakePushes())
        for (const Client& client : clients_)
            if (client.channel == Channel::Watch) SendLine(client.socket, line);
}

void LoopbackServer::Run()
{
    while (!control_.QuitRequested()) {
        std::vector<pollfd> watched{{listener_, POLLIN, 0}};
        for (const Client& client : clients_) watched.push_back({client.socket, POLLIN, 0});
        if (poll(watched.data(), watched.size(), -1) < 0 && errno != EINTR) return;

        std::vector<Client> alive;
        for (std::size_t i = 0; i < clients_.size(); ++i) {
            Client& client = clients_[i];
            const bool ready = watched[i + 1].revents != 0;
            if (ready && !Receive(client)) {
                close(client.socket);
                continue;
            }
            alive.push_back(std::move(client));
        }
        clients_ = std::move(alive);
        if (watched[0].revents & POLLIN) Accept();
        Push();
    }
    for (const Client& client : clients_) close(client.socket);
    close(listener_);
}

}  // namespace norvale
