#pragma once
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "device/call_failure.h"
#include "platform/debug_output.h"

namespace norvale {

// Writes a call's failure line only when the call's outcome changes: its
// first failure, or one unlike its last. A mouse that is simply unplugged
// fails every poll the same way and so writes one line; a success in
// between lets the next failure be written again. Shared by the threads
// that use one bus. The lines go to the debug output unless the owner
// wants them elsewhere.
class CallFailureLog {
public:
    using LineWriter = std::function<void(std::wstring_view line)>;
    explicit CallFailureLog(LineWriter write = DebugLine) : write_(std::move(write)) {}

    void Succeeded(std::wstring_view call);
    void Failed(std::wstring_view call, CallFailure failure);

private:
    const LineWriter write_;
    std::mutex mutex_;
    std::map<std::wstring, CallFailure, std::less<>> lastFailure_;
};

}  // namespace norvale
