#include "device/thread_signal.h"

namespace norvale {

void ThreadSignal::Set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void ThreadSignal::Reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

void ThreadSignal::Wait()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return set_; });
}

bool ThreadSignal::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

}  // namespace norvale
