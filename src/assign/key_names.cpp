#include "assign/key_names.h"

#include <algorithm>
#include <iterator>

namespace norvale {
namespace {

struct KeyRow {
    unsigned code;
    std::wstring_view name;
};

// Virtual-key code -> name, for keys captured from the keyboard hooks.
constexpr KeyRow kCaptureNames[] = {
    {0x08, L"Backspace"},
    {0x09, L"Tab"},
    {0x0D, L"Enter"},
    {0x13, L"Pause"},
    {0x14, L"Caps Lock"},
    {0x1B, L"Esc"},
    {0x20, L"Space"},
    {0x21, L"Page Up"},
    {0x22, L"Page Down"},
    {0x23, L"End"},
    {0x24, L"Home"},
    {0x25, L"Left"},
    {0x26, L"Up"},
    {0x27, L"Right"},
    {0x28, L"Down"},
    {0x29, L"Select"},
    {0x2B, L"Execute"},
    {0x2C, L"Prnt Scrn"},
    {0x2D, L"Insert"},
    {0x2E, L"Delete"},
    {0x2F, L"Help"},
    {0x30, L"0"},
    {0x31, L"1"},
    {0x32, L"2"},
    {0x33, L"3"},
    {0x34, L"4"},
    {0x35, L"5"},
    {0x36, L"6"},
    {0x37, L"7"},
    {0x38, L"8"},
    {0x39, L"9"},
    {0x41, L"A"},
    {0x42, L"B"},
    {0x43, L"C"},
    {0x44, L"D"},
    {0x45, L"E"},
    {0x46, L"F"},
    {0x47, L"G"},
    {0x48, L"H"},
    {0x49, L"I"},
    {0x4A, L"J"},
    {0x4B, L"K"},
    {0x4C, L"L"},
    {0x4D, L"M"},
    {0x4E, L"N"},
    {0x4F, L"O"},
    {0x50, L"P"},
    {0x51, L"Q"},
    {0x52, L"R"},
    {0x53, L"S"},
    {0x54, L"T"},
    {0x55, L"U"},
    {0x56, L"V"},
    {0x57, L"W"},
    {0x58, L"X"},
    {0x59, L"Y"},
    {0x5A, L"Z"},
    {0x5B, L"Left Windows"},
    {0x5C, L"Right Windows"},
    {0x5D, L"App"},
    {0x60, L"Num 0"},
    {0x61, L"Num 1"},
    {0x62, L"Num 2"},
    {0x63, L"Num 3"},
    {0x64, L"Num 4"},
    {0x65, L"Num 5"},
    {0x66, L"Num 6"},
    {0x67, L"Num 7"},
    {0x68, L"Num 8"},
    {0x69, L"Num 9"},
    {0x6A, L"Num *"},
    {0x6B, L"Num +"},
    {0x6C, L"Num Enter"},
    {0x6D, L"Num -"},
    {0x6E, L"Num Del"},
    {0x6F, L"Num /"},
    {0x70, L"F1"},
    {0x71, L"F2"},
    {0x72, L"F3"},
    {0x73, L"F4"},
    {0x74, L"F5"},
    {0x75, L"F6"},
    {0x76, L"F7"},
    {0x77, L"F8"},
    {0x78, L"F9"},
    {0x79, L"F10"},
    {0x7A, L"F11"},
    {0x7B, L"F12"},
    {0x90, L"Num Lock"},
    {0x91, L"Scroll Lock"},
    {0xA0, L"Shift"},
    {0xA1, L"Right Shift"},
    {0xA2, L"Ctrl"},
    {0xA3, L"Right Ctrl"},
    {0xA4, L"Alt"},
    {0xA5, L"Right Alt"},
    {0xBA, L";"},
    {0xBB, L"="},
    {0xBC, L","},
    {0xBD, L"-"},
    {0xBE, L"."},
    {0xBF, L"/"},
    {0xC0, L"`"},
    {0xDB, L"["},
    {0xDC, L"\\"},
    {0xDD, L"]"},
    {0xDE, L"'"},
    {0xF1, L"L-Button"},
    {0xF2, L"R-Button"},
    {0xF3, L"M-Button"},
    {0xF4, L"Button 4"},
    {0xF5, L"Button 5"},
};

// HID keyboard usage <-> name; 0xF0 … 0xF2 are the mouse's own codes for
// its buttons.
constexpr KeyRow kUsageNames[] = {
    {0x04, L"A"},
    {0x05, L"B"},
    {0x06, L"C"},
    {0x07, L"D"},
    {0x08, L"E"},
    {0x09, L"F"},
    {0x0A, L"G"},
    {0x0B, L"H"},
    {0x0C, L"I"},
    {0x0D, L"J"},
    {0x0E, L"K"},
    {0x0F, L"L"},
    {0x10, L"M"},
    {0x11, L"N"},
    {0x12, L"O"},
    {0x13, L"P"},
    {0x14, L"Q"},
    {0x15, L"R"},
    {0x16, L"S"},
    {0x17, L"T"},
    {0x18, L"U"},
    {0x19, L"V"},
    {0x1A, L"W"},
    {0x1B, L"X"},
    {0x1C, L"Y"},
    {0x1D, L"Z"},
    {0x1E, L"1"},
    {0x1F, L"2"},
    {0x20, L"3"},
    {0x21, L"4"},
    {0x22, L"5"},
    {0x23, L"6"},
    {0x24, L"7"},
    {0x25, L"8"},
    {0x26, L"9"},
    {0x27, L"0"},
    {0x28, L"Enter"},
    {0x29, L"Esc"},
    {0x2A, L"Backspace"},
    {0x2B, L"Tab"},
    {0x2C, L"Space"},
    {0x2D, L"-"},
    {0x2E, L"="},
    {0x2F, L"["},
    {0x30, L"]"},
    {0x31, L"\\"},
    {0x32, L"Eurpo(Note 2)"},
    {0x33, L";"},
    {0x34, L"'"},
    {0x35, L"`"},
    {0x36, L","},
    {0x37, L"."},
    {0x38, L"/"},
    {0x39, L"Caps Lock"},
    {0x3A, L"F1"},
    {0x3B, L"F2"},
    {0x3C, L"F3"},
    {0x3D, L"F4"},
    {0x3E, L"F5"},
    {0x3F, L"F6"},
    {0x40, L"F7"},
    {0x41, L"F8"},
    {0x42, L"F9"},
    {0x43, L"F10"},
    {0x44, L"F11"},
    {0x45, L"F12"},
    {0x46, L"Prnt Scrn"},
    {0x47, L"Scroll Lock"},
    {0x48, L"Pause"},
    {0x49, L"Insert"},
    {0x4A, L"Home"},
    {0x4B, L"Page Up"},
    {0x4C, L"Delete"},
    {0x4D, L"End"},
    {0x4E, L"Page Down"},
    {0x4F, L"Right"},
    {0x50, L"Left"},
    {0x51, L"Down"},
    {0x52, L"Up"},
    {0x53, L"Num Lock"},
    {0x54, L"Num /"},
    {0x55, L"Num *"},
    {0x56, L"Num -"},
    {0x57, L"Num +"},
    {0x58, L"Num Enter"},
    {0x59, L"Num 1"},
    {0x5A, L"Num 2"},
    {0x5B, L"Num 3"},
    {0x5C, L"Num 4"},
    {0x5D, L"Num 5"},
    {0x5E, L"Num 6"},
    {0x5F, L"Num 7"},
    {0x60, L"Num 8"},
    {0x61, L"Num 9"},
    {0x62, L"Num 0"},
    {0x63, L"Num Del"},
    {0x65, L"Application"},
    {0xE0, L"Ctrl"},
    {0xE1, L"Shift"},
    {0xE2, L"Alt"},
    {0xE3, L"Left Windows"},
    {0xE4, L"Right Ctrl"},
    {0xE5, L"Right Shift"},
    {0xE6, L"Right Alt"},
    {0xE7, L"Right Windows"},
    {0xF0, L"L-Button"},
    {0xF1, L"R-Button"},
    {0xF2, L"M-Button"},
};

// Further names that map to a usage but are never produced for it: "App" is
// how a captured Application key is named.
constexpr KeyRow kUsageAliases[] = {
    {0x65, L"App"},
    {0xE3, L"Left GUI"},
};

template <std::size_t N>
const KeyRow* FindByCode(const KeyRow (&table)[N], unsigned code)
{
    const auto* row = std::find_if(std::begin(table), std::end(table),
                                   [code](const KeyRow& r) { return r.code == code; });
    return row != std::end(table) ? row : nullptr;
}

template <std::size_t N>
const KeyRow* FindByName(const KeyRow (&table)[N], std::wstring_view name)
{
    const auto* row = std::find_if(std::begin(table), std::end(table),
                                   [name](const KeyRow& r) { return r.name == name; });
    return row != std::end(table) ? row : nullptr;
}

}  // namespace

std::wstring GetKeyStr(unsigned virtualKey)
{
    const KeyRow* row = FindByCode(kCaptureNames, virtualKey);
    return row ? std::wstring(row->name) : std::wstring();
}

std::wstring UsageToKeyName(std::uint8_t usage)
{
    const KeyRow* row = FindByCode(kUsageNames, usage);
    return row ? std::wstring(row->name) : std::wstring(L"N/A");
}

std::uint8_t KeyNameToUsage(std::wstring_view name)
{
    const KeyRow* row = FindByName(kUsageNames, name);
    if (!row) {
        row = FindByName(kUsageAliases, name);
    }
    return row ? static_cast<std::uint8_t>(row->code) : 0;
}

}  // namespace norvale
