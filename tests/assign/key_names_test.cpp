#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "assign/key_names.h"

namespace norvale {
namespace {

struct CapturedKey {
    unsigned virtualKey;
    const wchar_t* name;
    std::uint8_t usage;  // of that name; 0 where the mouse has no usage for it
};

// Every irregular key in full, the regular runs (digits, letters, keypad
// digits, function keys) at their edges.
const CapturedKey kCapturedKeys[] = {
    {0x08, L"Backspace", 0x2A},
    {0x09, L"Tab", 0x2B},
    {0x0D, L"Enter", 0x28},
    {0x13, L"Pause", 0x48},
    {0x14, L"Caps Lock", 0x39},
    {0x1B, L"Esc", 0x29},
    {0x20, L"Space", 0x2C},
    {0x21, L"Page Up", 0x4B},
    {0x22, L"Page Down", 0x4E},
    {0x23, L"End", 0x4D},
    {0x24, L"Home", 0x4A},
    {0x25, L"Left", 0x50},
    {0x26, L"Up", 0x52},
    {0x27, L"Right", 0x4F},
    {0x28, L"Down", 0x51},
    {0x29, L"Select", 0},
    {0x2B, L"Execute", 0},
    {0x2C, L"Prnt Scrn", 0x46},
    {0x2D, L"Insert", 0x49},
    {0x2E, L"Delete", 0x4C},
    {0x2F, L"Help", 0},
    {0x30, L"0", 0x27},
    {0x31, L"1", 0x1E},
    {0x39, L"9", 0x26},
    {0x41, L"A", 0x04},
    {0x5A, L"Z", 0x1D},
    {0x5B, L"Left Windows", 0xE3},
    {0x5C, L"Right Windows", 0xE7},
    {0x5D, L"App", 0x65},
    {0x60, L"Num 0", 0x62},
    {0x61, L"Num 1", 0x59},
    {0x69, L"Num 9", 0x61},
    {0x6A, L"Num *", 0x55},
    {0x6B, L"Num +", 0x57},
    {0x6C, L"Num Enter", 0x58},
    {0x6D, L"Num -", 0x56},
    {0x6E, L"Num Del", 0x63},
    {0x6F, L"Num /", 0x54},
    {0x70, L"F1", 0x3A},
    {0x7B, L"F12", 0x45},
    {0x90, L"Num Lock", 0x53},
    {0x91, L"Scroll Lock", 0x47},
    {0xA0, L"Shift", 0xE1},
    {0xA1, L"Right Shift", 0xE5},
    {0xA2, L"Ctrl", 0xE0},
    {0xA3, L"Right Ctrl", 0xE4},
    {0xA4, L"Alt", 0xE2},
    {0xA5, L"Right Alt", 0xE6},
    {0xBA, L";", 0x33},
    {0xBB, L"=", 0x2E},
    {0xBC, L",", 0x36},
    {0xBD, L"-", 0x2D},
    {0xBE, L".", 0x37},
    {0xBF, L"/", 0x38},
    {0xC0, L"`", 0x35},
    {0xDB, L"[", 0x2F},
    {0xDC, L"\\", 0x31},
    {0xDD, L"]", 0x30},
    {0xDE, L"'", 0x34},
    {0xF1, L"L-Button", 0xF0},
    {0xF2, L"R-Button", 0xF1},
    {0xF3, L"M-Button", 0xF2},
    {0xF4, L"Button 4", 0},
    {0xF5, L"Button 5", 0},
};

TEST(KeyNames, CapturedKeysAreNamedAndMappedToTheirUsage)
{
    for (const CapturedKey& key : kCapturedKeys) {
        EXPECT_EQ(GetKeyStr(key.virtualKey), key.name) << std::hex << key.virtualKey;
        EXPECT_EQ(KeyNameToUsage(key.name), key.usage) << std::hex << key.virtualKey;
    }
}

TEST(KeyNames, CodesOutsideTheCaptureTableHaveNoName)
{
    for (unsigned code : {0x00u, 0x0Cu, 0x10u, 0x11u, 0x12u, 0x2Au, 0x3Au, 0x5Eu, 0x7Cu, 0xA6u,
                          0xC1u, 0xDFu, 0xF0u, 0xF6u, 0xFFu, 0x141u, 0xFFFFFFFFu}) {
        EXPECT_EQ(GetKeyStr(code), L"") << std::hex << code;
    }
}

// Every named key of the capture table reaches a usage, except the few the
// mouse has no usage for.
TEST(KeyNames, EveryCaptureNameButTheKnownFewHasAUsage)
{
    const std::set<std::wstring> withoutUsage = {L"Select", L"Execute", L"Help", L"Button 4",
                                                 L"Button 5"};
    int named = 0;
    for (unsigned vk = 0; vk <= 0xFF; ++vk) {
        const std::wstring name = GetKeyStr(vk);
        if (name.empty()) {
            continue;
        }
        ++named;
        EXPECT_EQ(KeyNameToUsage(name) == 0, withoutUsage.count(name) == 1) << std::hex << vk;
    }
    EXPECT_EQ(named, 112);
}

// The regular runs (letters, digits, function keys, keypad digits) at their
// edges, every irregular name in full.
TEST(KeyNames, UsagesAreNamedAsTheMouseTableSpellsThem)
{
    const struct {
        std::uint8_t usage;
        const wchar_t* name;
    } kUsages[] = {
        {0x00, L"N/A"},         {0x03, L"N/A"},         {0x04, L"A"},
        {0x1D, L"Z"},           {0x1E, L"1"},           {0x26, L"9"},
        {0x27, L"0"},           {0x28, L"Enter"},       {0x29, L"Esc"},
        {0x2A, L"Backspace"},   {0x2B, L"Tab"},         {0x2C, L"Space"},
        {0x2D, L"-"},           {0x2E, L"="},           {0x2F, L"["},
        {0x30, L"]"},           {0x31, L"\\"},          {0x32, L"Eurpo(Note 2)"},
        {0x33, L";"},           {0x34, L"'"},           {0x35, L"`"},
        {0x36, L","},           {0x37, L"."},           {0x38, L"/"},
        {0x39, L"Caps Lock"},   {0x3A, L"F1"},          {0x45, L"F12"},
        {0x46, L"Prnt Scrn"},   {0x47, L"Scroll Lock"}, {0x48, L"Pause"},
        {0x49, L"Insert"},      {0x4A, L"Home"},        {0x4B, L"Page Up"},
        {0x4C, L"Delete"},      {0x4D, L"End"},         {0x4E, L"Page Down"},
        {0x4F, L"Right"},       {0x50, L"Left"},        {0x51, L"Down"},
        {0x52, L"Up"},          {0x53, L"Num Lock"},    {0x54, L"Num /"},
        {0x55, L"Num *"},       {0x56, L"Num -"},       {0x57, L"Num +"},
        {0x58, L"Num Enter"},   {0x59, L"Num 1"},       {0x61, L"Num 9"},
        {0x62, L"Num 0"},       {0x63, L"Num Del"},     {0x64, L"N/A"},
        {0x65, L"Application"}, {0x66, L"N/A"},         {0xDF, L"N/A"},
        {0xE0, L"Ctrl"},        {0xE1, L"Shift"},       {0xE2, L"Alt"},
        {0xE3, L"Left Windows"}, {0xE4, L"Right Ctrl"}, {0xE5, L"Right Shift"},
        {0xE6, L"Right Alt"},   {0xE7, L"Right Windows"}, {0xE8, L"N/A"},
        {0xF0, L"L-Button"},    {0xF1, L"R-Button"},    {0xF2, L"M-Button"},
        {0xF3, L"N/A"},         {0xFF, L"N/A"},
    };
    for (const auto& expected : kUsages) {
        EXPECT_EQ(UsageToKeyName(expected.usage), expected.name) << int{expected.usage};
    }
}

TEST(KeyNames, EveryNamedUsageRoundTripsThroughItsName)
{
    int named = 0;
    for (int usage = 0; usage <= 0xFF; ++usage) {
        const std::wstring name = UsageToKeyName(static_cast<std::uint8_t>(usage));
        if (name == L"N/A") {
            continue;
        }
        ++named;
        EXPECT_EQ(KeyNameToUsage(name), usage) << usage;
    }
    // 0x04 … 0x63, 0x65, 0xE0 … 0xE7 and the three mouse buttons.
    EXPECT_EQ(named, 96 + 1 + 8 + 3);
}

TEST(KeyNames, NamesWithoutAUsageGiveZero)
{
    for (const wchar_t* name : {L"", L"N/A", L"a", L"f1", L"ctrl", L"Enter ", L" Enter",
                                L"Eurpo", L"Select", L"Left Win", L"Num Enter\n"}) {
        EXPECT_EQ(KeyNameToUsage(name), 0) << '"' << name << '"';
    }
}

TEST(KeyNames, AliasesMapToTheUsageButAreNeverProduced)
{
    EXPECT_EQ(KeyNameToUsage(L"App"), 0x65);
    EXPECT_EQ(KeyNameToUsage(L"Application"), 0x65);
    EXPECT_EQ(KeyNameToUsage(L"Left GUI"), 0xE3);
    EXPECT_EQ(UsageToKeyName(0xE3), L"Left Windows");
}

}  // namespace
}  // namespace norvale
