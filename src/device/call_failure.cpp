#include "device/call_failure.h"

#include <iomanip>
#include <sstream>

namespace norvale {

std::wstring CallFailureLine(std::wstring_view call, CallFailure failure)
{
    std::wostringstream line;
    line << L"HID " << call;
    switch (failure.kind) {
    case CallFailure::Kind::SystemError:
        line << L" failed: system error " << failure.code << L" (0x" << std::uppercase << std::hex << failure.code
             << L")";
        break;
    case CallFailure::Kind::Status:
        line << L" failed: status 0x" << std::uppercase << std::hex << std::setfill(L'0') << std::setw(8)
             << failure.code;
        break;
    case CallFailure::Kind::TimedOut: line << L" timed out after " << failure.code << L" ms"; break;
    case CallFailure::Kind::NoThread: line << L" failed: no I/O thread"; break;
    case CallFailure::Kind::Library: line << L" failed: " << failure.text; break;
    }
    line << L".\n";
    return line.str();
}

}  // namespace norvale
