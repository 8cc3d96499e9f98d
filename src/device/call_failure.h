#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace norvale {

// How a system call of the HID backend failed.
struct CallFailure {
    enum class Kind {
        SystemError,  // code: the thread's last error
        Status,       // code: the NTSTATUS the call returned
        TimedOut,     // code: the time-out in milliseconds
        NoThread,     // no I/O thread could be started for the call
    };
    Kind kind = Kind::SystemError;
    std::uint32_t code = 0;

    bool operator==(const CallFailure&) const = default;
};

// The debug line naming the call and how it failed, with its line end:
// "HID WriteFile failed: system error 1167 (0x48F).\n".
std::wstring CallFailureLine(std::wstring_view call, CallFailure failure);

}  // namespace norvale
