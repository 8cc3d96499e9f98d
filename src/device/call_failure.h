#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace norvale {

// How a system call of the HID backend failed.
struct CallFailure {
    enum class Kind {
        SystemError,  // code: the thread's last error
        Status,       // code: the NTSTATUS the call returned
        TimedOut,     // code: the time-out in milliseconds
        NoThread,     // no I/O thread could be started for the call
        Library,      // text: what the HID library says went wrong
    };
    CallFailure(Kind kind = Kind::SystemError, std::uint32_t code = 0, std::wstring text = {})
        : kind(kind), code(code), text(std::move(text))
    {
    }

    Kind kind;
    std::uint32_t code;
    std::wstring text;

    bool operator==(const CallFailure&) const = default;
};

// The debug line naming the call and how it failed, with its line end:
// "HID WriteFile failed: system error 1167 (0x48F).\n".
std::wstring CallFailureLine(std::wstring_view call, CallFailure failure);

}  // namespace norvale
