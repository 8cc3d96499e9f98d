#pragma once
#include <atomic>
#include <functional>
#include <thread>

namespace norvale::tools {

// Calls `interrupted` once, on a thread of its own, when the user presses
// Ctrl-C (SIGINT) or the process is asked to end (SIGTERM) while it lives;
// the signal handler itself only raises a flag, which the thread looks at
// every tenth of a second. Restores the previous handlers when it goes.
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> interrupted);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    using Handler = void (*)(int);

    std::atomic<bool> ending_{false};
    Handler previousInterrupt_ = nullptr;
    Handler previousTerminate_ = nullptr;
    std::thread thread_;
};

}  // namespace norvale::tools
