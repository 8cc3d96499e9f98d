#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace norvale {

// A blocking call on a synchronous handle; it works on its own copy of the
// report and says how many bytes it moved.
using BlockingIo = std::function<bool(std::vector<std::uint8_t>& report, DWORD& transferred)>;

struct IoOutcome {
    bool succeeded = false;
    DWORD transferred = 0;
};

// Runs `io` on a worker thread and waits at most `timeoutMs`. A call still
// running then is cancelled and reads as failed; `report` receives the
// worker's copy only when the call finished in time, so a call that never
// returns cannot write into it.
IoOutcome RunBoundedIo(BlockingIo io, std::vector<std::uint8_t>& report, DWORD timeoutMs);

}  // namespace norvale
