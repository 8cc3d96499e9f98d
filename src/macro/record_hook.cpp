#include "macro/record_hook.h"

#include <cwchar>
#include <iterator>

#include "assign/key_names.h"
#include "platform/debug_output.h"

namespace norvale {
namespace {

constexpr unsigned kExtendedFlag = 0x01;
constexpr unsigned kKeyUpFlag = 0x80;
constexpr unsigned kEnterKey = 0x0D;
// The code the key names keep for the Enter key of the numeric keypad.
constexpr unsigned kKeypadEnterKey = 0x6C;

void TraceEvent(const HookKeyEvent& event, unsigned flags)
{
    wchar_t line[96];
    std::swprintf(line, std::size(line), L"vk code=%x,scan code=%x,key flag=%x\n", event.virtualKey,
                  event.scanCode, flags);
    DebugLine(line);
}

void TraceKeyName(const HookKeyEvent& event, unsigned virtualKey, const std::wstring& name)
{
    wchar_t line[128];
    std::swprintf(line, std::size(line), L"virtual-key code :%xl;GetKeyStr(%x)=%ls\n", event.message,
                  virtualKey, name.c_str());
    DebugLine(line);
}

}  // namespace

std::optional<KeyTransition> RecordHook::JournalRecordHook(int hookCode, const HookKeyEvent& event)
{
    if (hookCode > 0) return std::nullopt;
    unsigned virtualKey = event.virtualKey;
    const unsigned flags = event.flags & (kExtendedFlag | kKeyUpFlag);
    // A held key repeats its press with the same flags; the focused program
    // gets the repeats, the macro only the first press.
    if (virtualKey == lastVirtualKey_ && flags == lastKeyFlags_) return std::nullopt;
    lastVirtualKey_ = virtualKey;
    lastKeyFlags_ = flags;
    TraceEvent(event, flags);

    // Remembered under its own code, the keypad Enter's repeats are recorded.
    if (virtualKey == kEnterKey && (flags & kExtendedFlag)) {
        virtualKey = kKeypadEnterKey;
        lastVirtualKey_ = virtualKey;
    }
    lastKeyName_ = GetKeyStr(virtualKey);
    TraceKeyName(event, virtualKey, lastKeyName_);

    ++postedKeyCount_;
    return (flags & kKeyUpFlag) ? KeyTransition::Release : KeyTransition::Press;
}

}  // namespace norvale
