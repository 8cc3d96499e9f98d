#include "emulator/win32/line_socket.h"

#include <ws2tcpip.h>

namespace norvale {

bool LineSocket::Connect(const EmulatorAddress& address, const char* channel, DWORD receiveTimeoutMs)
{
    Close();
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found) != 0) return false;
    socket_ = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    const bool connected = socket_ != INVALID_SOCKET &&
                           connect(socket_, found->ai_addr, static_cast<int>(found->ai_addrlen)) == 0;
    freeaddrinfo(found);
    if (!connected) {
        Close();
        return false;
    }
    if (receiveTimeoutMs != 0)
        setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&receiveTimeoutMs),
                   sizeof(receiveTimeoutMs));
    if (SendLine(channel)) return true;
    Close();
    return false;
}

bool LineSocket::SendLine(const std::string& line)
{
    const std::string data = line + "\n";
    std::size_t sent = 0;
    while (sent < data.size()) {
        const int n = send(socket_, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool LineSocket::ReadLine(std::string& line)
{
    for (;;) {
        const std::size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        char buffer[4096];
        const int n = recv(socket_, buffer, sizeof(buffer), 0);
        if (n <= 0) return false;
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

void LineSocket::Interrupt()
{
    if (socket_ != INVALID_SOCKET) shutdown(socket_, SD_BOTH);
}

void LineSocket::Close()
{
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
    pending_.clear();
}

}  // namespace norvale
