#pragma once
#include <string>
#include <vector>

#include "platform/debug_output.h"

namespace norvale::testing {

// Collects debug lines for the life of a test and restores the silent sink.
class DebugRecorder final : public DebugOutput {
public:
    DebugRecorder() { SetDebugOutput(this); }
    ~DebugRecorder() override { SetDebugOutput(nullptr); }
    DebugRecorder(const DebugRecorder&) = delete;
    DebugRecorder& operator=(const DebugRecorder&) = delete;

    void Write(std::wstring_view text) override { lines.emplace_back(text); }

    std::vector<std::wstring> lines;
};

}  // namespace norvale::testing
