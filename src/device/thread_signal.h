#pragma once
#include <condition_variable>
#include <mutex>

#include "device/hid_bus.h"

namespace norvale {

// A manual-reset event built from the standard library, for buses that do
// not reach the system's own events.
class ThreadSignal final : public HidSignal {
public:
    void Set() override;
    void Reset() override;
    void Wait() override;
    bool IsSet() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};

}  // namespace norvale
