#include "device/call_failure_log.h"

namespace norvale {

void CallFailureLog::Succeeded(std::wstring_view call)
{
    std::lock_guard lock(mutex_);
    const auto found = lastFailure_.find(call);
    if (found != lastFailure_.end()) lastFailure_.erase(found);
}

void CallFailureLog::Failed(std::wstring_view call, CallFailure failure)
{
    std::lock_guard lock(mutex_);
    const auto [last, first] = lastFailure_.try_emplace(std::wstring(call), failure);
    if (!first && last->second == failure) return;
    last->second = failure;
    write_(CallFailureLine(call, failure));
}

}  // namespace norvale
