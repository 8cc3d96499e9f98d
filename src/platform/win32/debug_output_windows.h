#pragma once
#include "platform/debug_output.h"

namespace norvale {

// Sends each line to OutputDebugStringW.
class WindowsDebugOutput final : public DebugOutput {
public:
    void Write(std::wstring_view text) override;
};

}  // namespace norvale
