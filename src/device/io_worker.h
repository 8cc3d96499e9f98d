#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

namespace norvale {

// What a blocking call did; the error is read on the thread that made it.
struct IoResult {
    bool succeeded = false;
    std::uint32_t transferred = 0;
    std::uint32_t systemError = 0;
};

// A blocking call, working on the worker's own copy of the report.
using BlockingIo = std::function<IoResult(std::span<std::uint8_t> report)>;

// Cancels the blocking call of one worker thread, from another thread.
using CancelIo = std::function<void()>;
// Runs on each worker thread as it starts and returns what cancels its calls.
using CancellerForThisThread = std::function<CancelIo()>;

enum class IoStatus { Finished, TimedOut, NoThread };

struct IoOutcome {
    IoStatus status = IoStatus::NoThread;
    IoResult result;  // what the call did, when it finished in time
};

// One long-lived thread that makes blocking calls for its owner, started
// with the first call. A call still running at its time-out is cancelled and
// given `grace` to return; one that still has not is abandoned together with
// its thread, which keeps the call's copy of the report, and the next call
// starts a fresh thread. Callers on several threads take turns.
class IoWorker {
public:
    IoWorker(CancellerForThisThread canceller, std::chrono::milliseconds grace);
    ~IoWorker();
    IoWorker(const IoWorker&) = delete;
    IoWorker& operator=(const IoWorker&) = delete;

    // `report` receives the call's copy only when the call succeeded in time,
    // so a call that never returns cannot write into it.
    IoOutcome Run(BlockingIo io, std::span<std::uint8_t> report, std::chrono::milliseconds timeout);

private:
    struct Channel;

    static void Serve(const std::shared_ptr<Channel>& channel, const CancellerForThisThread& canceller);
    bool Start();
    std::thread Release();

    const CancellerForThisThread canceller_;
    const std::chrono::milliseconds grace_;
    std::mutex turn_;
    std::shared_ptr<Channel> channel_;
    std::thread thread_;
};

}  // namespace norvale
