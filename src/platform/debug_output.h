#pragma once
#include <string_view>

namespace norvale {

// The debug-output channel: plain lines, no levels, no log file. Windows
// builds route it to OutputDebugStringW; tests install a recorder.
class DebugOutput {
public:
    virtual ~DebugOutput() = default;
    virtual void Write(std::wstring_view text) = 0;
};

// Installs the process-wide sink; null drops every line.
void SetDebugOutput(DebugOutput* sink);

// Writes text exactly as given (callers include any line end they need).
void DebugLine(std::wstring_view text);

}  // namespace norvale
