#include "interrupt_watch.h"

#include <chrono>
#include <csignal>

namespace norvale::tools {
namespace {

volatile std::sig_atomic_t signalled = 0;

extern "C" void RaiseFlag(int) { signalled = 1; }

}  // namespace

InterruptWatch::InterruptWatch(std::function<void()> interrupted)
{
    signalled = 0;
    previousInterrupt_ = std::signal(SIGINT, RaiseFlag);
    previousTerminate_ = std::signal(SIGTERM, RaiseFlag);
    thread_ = std::thread([this, interrupted = std::move(interrupted)] {
        while (!ending_ && !signalled) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (signalled) interrupted();
    });
}

InterruptWatch::~InterruptWatch()
{
    ending_ = true;
    thread_.join();
    std::signal(SIGINT, previousInterrupt_);
    std::signal(SIGTERM, previousTerminate_);
}

}  // namespace norvale::tools
