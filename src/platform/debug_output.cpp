#include "platform/debug_output.h"

namespace norvale {
namespace {
DebugOutput* currentSink = nullptr;
}

void SetDebugOutput(DebugOutput* sink) { currentSink = sink; }

void DebugLine(std::wstring_view text)
{
    if (currentSink) currentSink->Write(text);
}

}  // namespace norvale
