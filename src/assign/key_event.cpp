#include "assign/key_event.h"

#include <cwchar>

namespace norvale {
namespace {

constexpr std::uint32_t kEnterKey = 0x0D;
constexpr std::uint32_t kKeypadEnterKey = 0x6C;

}  // namespace

std::uint32_t CapturedVirtualKey(const KeyEvent& event)
{
    const bool extended = (CaptureFlags(event) & kExtendedKeyFlag) != 0;
    return event.virtualKey == kEnterKey && extended ? kKeypadEnterKey : event.virtualKey;
}

std::wstring KeyEventDebugLine(const KeyEvent& event)
{
    wchar_t line[96];
    std::swprintf(line, std::size(line), L"vk code=%x,scan code=%x,key flag=%x\n", event.virtualKey, event.scanCode,
                  CaptureFlags(event));
    return line;
}

}  // namespace norvale
