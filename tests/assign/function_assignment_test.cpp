#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "assign/function_assignment.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

using L = UiLanguage;

// Every settings byte set to a recognisable value, so a stray write shows.
Settings PatternedSettings()
{
    Settings settings{};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&settings);
    for (std::size_t i = 0; i < sizeof settings; ++i) bytes[i] = static_cast<std::uint8_t>(0x40 + i % 91);
    return settings;
}

// Offsets of the bytes that differ between two settings images.
std::vector<std::size_t> ChangedOffsets(const Settings& before, const Settings& after)
{
    const auto* a = reinterpret_cast<const std::uint8_t*>(&before);
    const auto* b = reinterpret_cast<const std::uint8_t*>(&after);
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < sizeof before; ++i) {
        if (a[i] != b[i]) changed.push_back(i);
    }
    return changed;
}

struct Choice {
    unsigned id;
    UiLanguage language;
    std::uint8_t kind;
    std::size_t parameterOffset;  // for button 0; 0 for a kind without one
    std::uint8_t parameter;
    const wchar_t* caption;
};

// Offsets of the parameter fields for button 0.
constexpr std::size_t kDpiAction = 97, kMediaCode = 113, kWindowsCommand = 121, kShortcutKey = 153;

const Choice kChoices[] = {
    {2056, L::English, 7, kMediaCode, 0xE9, L"Volume Up"},
    {2056, L::SimplifiedChinese, 7, kMediaCode, 0xE9, L"音量+"},
    {2056, L::TraditionalChinese, 7, kMediaCode, 0xE9, L"提高音量"},
    {2050, L::German, 7, kMediaCode, 0x83, L"Mediaplayer öffnen"},
    {2057, L::Unknown, 7, kMediaCode, 0xEA, L"Volume Down"},
    {2069, L::English, 8, kShortcutKey, 0x04, L"Select All"},
    {2060, L::German, 8, kShortcutKey, 0x11, L"Neu"},
    {2068, L::TraditionalChinese, 8, kShortcutKey, 0x1D, L"復原"},
    {2036, L::English, 9, kWindowsCommand, 6, L"Run"},
    {2030, L::SimplifiedChinese, 9, kWindowsCommand, 0, L"我的电脑"},
    {2020, L::English, 6, kDpiAction, 1, L"DPI +"},
    {2022, L::English, 6, kDpiAction, 3, L"DPI Loop"},
    {2001, L::German, 0, 0, 0, L"Klick"},
    {2003, L::English, 2, 0, 0, L"Scroll "},
    {2006, L::SimplifiedChinese, 5, 0, 0, L"双击"},
    {2007, L::English, 15, 0, 0, L"Left Tilt Scroll"},
    {2008, L::SimplifiedChinese, 16, 0, 0, L"右摇摆滚轮"},
    {2009, L::SimplifiedChinese, 17, 0, 0, L"Fn"},
    {2010, L::German, 18, 0, 0, L"Snipe Key"},
    {2013, L::TraditionalChinese, 13, 0, 0, L"無作用"},
};

// Each choice writes the kind and its own parameter only, and captions the
// button in the language of the moment.
TEST(AssignFunction, WritesTheKindAndOnlyItsOwnParameter)
{
    for (const Choice& choice : kChoices) {
        SCOPED_TRACE(choice.id);
        const Settings before = PatternedSettings();
        Settings after = before;
        EXPECT_EQ(AssignFunction(after, 0, choice.id, choice.language, DpiItemTexts{}), choice.caption);
        EXPECT_EQ(after.buttonKind[0], choice.kind);
        std::vector<std::size_t> expected{83};
        if (choice.parameterOffset != 0) {
            expected.push_back(choice.parameterOffset);
            EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(&after)[choice.parameterOffset], choice.parameter);
        }
        EXPECT_EQ(ChangedOffsets(before, after), expected);
    }
}

TEST(AssignFunction, AMultimediaChoiceKeepsTheOtherParametersOfTheButton)
{
    Settings settings = FactorySettings();
    settings.buttonKeyCode[4] = 0x3A;
    settings.buttonMacroIndex[4] = 5;
    settings.buttonMacroMode[4] = 2;
    settings.buttonDpiAction[4] = 3;
    settings.buttonShortcutKey[4] = 0x1B;
    settings.buttonWindowsCommand[4] = 4;
    const Settings before = settings;

    EXPECT_EQ(AssignFunction(settings, 4, 2054, L::English, DpiItemTexts{}), L"Play/Pause");
    EXPECT_EQ(settings.buttonKind[4], 7);
    EXPECT_EQ(settings.buttonMediaCode[4], 0xCD);
    EXPECT_EQ(ChangedOffsets(before, settings), (std::vector<std::size_t>{83 + 4, 113 + 4}));
}

TEST(AssignFunction, DpiCaptionsComeFromTheTextsTheWindowSet)
{
    Settings settings = FactorySettings();
    EXPECT_EQ(AssignFunction(settings, 2, 2022, L::TraditionalChinese, DpiItemTextsIn(L::TraditionalChinese)),
              L"DPI 循環檔");
    EXPECT_EQ(settings.buttonDpiAction[2], 3);
    EXPECT_EQ(DpiItemTextsIn(L::German).text[2], L"DPI Schleife");
}

TEST(AssignFunction, UnknownIdsAndNoTargetButtonChangeNothing)
{
    const Settings before = PatternedSettings();
    Settings settings = before;
    // The dialog commands, the gaps and the ends of every range.
    for (unsigned id : {2000u, 2011u, 2012u, 2014u, 2019u, 2023u, 2029u, 2037u, 2049u, 2058u, 2059u, 2070u}) {
        EXPECT_EQ(AssignFunction(settings, 0, id, L::English, DpiItemTexts{}), std::nullopt) << id;
    }
    EXPECT_EQ(AssignFunction(settings, -1, 2001, L::English, DpiItemTexts{}), std::nullopt);
    EXPECT_EQ(AssignFunction(settings, 7, 2056, L::English, DpiItemTexts{}), std::nullopt);
    EXPECT_TRUE(ChangedOffsets(before, settings).empty());
}

TEST(KeyboardKeyAssignment, PresetIsTheCurrentKeyOrNothing)
{
    Settings settings = FactorySettings();
    settings.buttonKeyCode[3] = 0;
    settings.buttonKeyCode[5] = 0x3A;
    EXPECT_EQ(KeyDialogPreset(settings, 3), L"");
    EXPECT_EQ(KeyDialogPreset(settings, 5), L"F1");
}

TEST(KeyboardKeyAssignment, StoresTheUsageAndCaptionsWithTheKeyName)
{
    const Settings before = PatternedSettings();
    Settings settings = before;
    EXPECT_EQ(AssignKeyboardKey(settings, 1, L"F5", L::English), L"Assign Keyboard Key-F5");
    EXPECT_EQ(settings.buttonKind[1], 10);
    EXPECT_EQ(settings.buttonKeyCode[1], 0x3E);
    EXPECT_EQ(ChangedOffsets(before, settings), (std::vector<std::size_t>{83 + 1, 161 + 1}));

    // A name the key table lacks still assigns the key, with usage 0.
    EXPECT_EQ(AssignKeyboardKey(settings, 1, L"Select", L::SimplifiedChinese), L"单键-Select");
    EXPECT_EQ(settings.buttonKind[1], 10);
    EXPECT_EQ(settings.buttonKeyCode[1], 0);
}

TEST(MacroAssignment, StoresPositionAndModeOrNothingWithoutAChoice)
{
    const Settings before = PatternedSettings();
    Settings settings = before;
    EXPECT_EQ(AssignMacro(settings, 6, {-1, 2, L"Combo"}, L::English), std::nullopt);
    EXPECT_TRUE(ChangedOffsets(before, settings).empty());

    EXPECT_EQ(AssignMacro(settings, 6, {11, 2, L"Combo"}, L::German), L"Makro:Combo");
    EXPECT_EQ(settings.buttonKind[6], 11);
    EXPECT_EQ(settings.buttonMacroIndex[6], 11);
    EXPECT_EQ(settings.buttonMacroMode[6], 2);
    EXPECT_EQ(ChangedOffsets(before, settings), (std::vector<std::size_t>{83 + 6, 225 + 6, 233 + 6}));
}

}  // namespace
}  // namespace norvale
