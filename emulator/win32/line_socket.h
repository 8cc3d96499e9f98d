#pragma once
#include <winsock2.h>

#include <string>

#include "emulator/remote_protocol.h"

namespace norvale {

// One TCP connection to the emulator that carries lines, opened by naming
// its channel.
class LineSocket {
public:
    LineSocket() = default;
    ~LineSocket() { Close(); }
    LineSocket(const LineSocket&) = delete;
    LineSocket& operator=(const LineSocket&) = delete;

    bool Connect(const EmulatorAddress& address, const char* channel, DWORD receiveTimeoutMs);
    bool IsOpen() const { return socket_ != INVALID_SOCKET; }
    // Both false when the connection broke or the time-out passed; the
    // owner then closes the socket.
    bool SendLine(const std::string& line);
    bool ReadLine(std::string& line);
    // Wakes a reader on another thread; the socket stays to be closed.
    void Interrupt();
    void Close();

private:
    SOCKET socket_ = INVALID_SOCKET;
    std::string pending_;
};

}  // namespace norvale
