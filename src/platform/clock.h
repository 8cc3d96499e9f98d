#pragma once
#include <cstdint>

namespace norvale {

// Every pause and every time stamp of the program goes through a Clock, so
// tests can run the device protocol in virtual time and still see each pause.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Milliseconds since an arbitrary origin, wrapping like GetTickCount.
    virtual std::uint32_t TickCount() = 0;
};

// Real time, for the utility itself.
class SystemClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override;
};

// Time that moves only when someone sleeps or advances it.
class VirtualClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override { now_ += milliseconds; }
    std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }
    void Advance(std::uint64_t milliseconds) { now_ += milliseconds; }
    std::uint64_t Now() const { return now_; }

private:
    std::uint64_t now_ = 0;
};

}  // namespace norvale
