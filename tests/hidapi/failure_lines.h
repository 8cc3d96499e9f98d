#pragma once
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace norvale::testing {

// Collects the failure lines a bus writes, from whichever thread writes them.
class FailureLines {
public:
    auto Writer()
    {
        return [this](std::wstring_view line) {
            std::lock_guard lock(mutex_);
            lines_.emplace_back(line);
        };
    }
    std::vector<std::wstring> Lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::wstring> lines_;
};

}  // namespace norvale::testing
