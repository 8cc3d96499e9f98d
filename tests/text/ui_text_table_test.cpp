#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/maker_web_address.h"
#include "text/ui_text_table.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kEveryCodeSlots[] = {252, 253, 254, 255, 256, 257, 258, 259, 260, 488, 489};

std::set<int> EmptySlots(const UiTextTable& table)
{
    std::set<int> empty;
    for (int slot = 0; slot < kUiTextSlotCount; ++slot) {
        if (IsUiTextSlot(slot) && table.Text(slot).empty()) {
            empty.insert(slot);
        }
    }
    return empty;
}

TEST(UiTextSlots, ExactlyTheListedNumbersAreSlots)
{
    int count = 0;
    for (int slot = 0; slot < kUiTextSlotCount; ++slot) {
        count += IsUiTextSlot(slot) ? 1 : 0;
    }
    EXPECT_EQ(count, 164);
    for (int notASlot : {-1, 1, 5, 48, 251, 261, 562, 576, 586, 602, 1000}) {
        EXPECT_FALSE(IsUiTextSlot(notASlot)) << notASlot;
    }
}

// Each language fills every slot but the ones it is known to leave empty;
// a text lost from the table shows up here.
TEST(UiTextTable, EachLanguageLeavesOnlyItsKnownGapsEmpty)
{
    const std::set<int> chineseGaps = {456, 520, 521, 522, 526, 527, 528, 529};
    std::set<int> chtGaps = chineseGaps;
    chtGaps.insert({587, 588});

    EXPECT_EQ(EmptySlots(UiTextTable(L"EN")), std::set<int>{});
    EXPECT_EQ(EmptySlots(UiTextTable(L"CHS")), chineseGaps);
    EXPECT_EQ(EmptySlots(UiTextTable(L"CHT")), chtGaps);
    EXPECT_EQ(EmptySlots(UiTextTable(L"DE")), (std::set<int>{587, 588}));
}

TEST(UiTextTable, UnknownCodesFillOnlyTheProfileAndColourCaptions)
{
    for (const wchar_t* code : {L"en", L"", L"EN ", L"Chs", L"FR", L"ENG"}) {
        SCOPED_TRACE(testing::Message() << "code \"" << code << "\"");
        const UiTextTable table(code);
        EXPECT_EQ(table.Language(), UiLanguage::Unknown);
        EXPECT_EQ(table.LanguageCode(), code);
        EXPECT_EQ(table.Text(0), L"");
        EXPECT_EQ(table.Text(252), L"PROFILE 1");
        EXPECT_EQ(table.Text(257), L"PROFILE 6");
        EXPECT_EQ(table.Text(258), L"LOAD");
        EXPECT_EQ(table.Text(259), L"SAVE");
        EXPECT_EQ(table.Text(260), L"RESET");
        EXPECT_EQ(table.Text(488), L"DPI Stage Color ");
        EXPECT_EQ(table.Text(489), L"DPI Stage Color ");

        std::set<int> filled;
        for (int slot = 0; slot < kUiTextSlotCount; ++slot) {
            if (!table.Text(slot).empty()) {
                filled.insert(slot);
            }
        }
        EXPECT_EQ(filled, std::set<int>(std::begin(kEveryCodeSlots), std::end(kEveryCodeSlots)));
    }
}

struct SlotText {
    const wchar_t* code;
    int slot;
    const wchar_t* text;
};

// Spellings that look like slips are the texts the utility has always shown.
const SlotText kSpelledTexts[] = {
    {L"EN", 0, L"Setting-EN"},
    {L"CHS", 0, L"Setting-CHS"},
    {L"CHT", 0, L"Setting-CHT"},
    {L"DE", 0, L"Setting-DE"},
    {L"EN", 47, L"Scroll One screenn"},
    {L"EN", 500, L"Scroll "},
    {L"EN", 523, L"At least one button must be set as the \"click\" function."},
    {L"DE", 523, L"Mindestens eine Taste muss mit der \u201EKlick\u201C-Funktion belegt sein."},
    {L"EN", 540, L"Switch DPI into the seven stage "},
    {L"EN", 547, L"The system did not detect Corvane!"},
    {L"CHS", 547, L"\u7CFB\u7EDF\u6CA1\u6709\u68C0\u6D4B\u5230Norvale\u9F20\u6807\uFF01"},
    {L"CHT", 20, L"DPI  \u8A2D\u5B9A"},
    {L"CHT", 548, L"\u7CFB\u7D71\u6AA2\u6E2C\u5230\u904A\u6232\u6ED1\u9F20Corvane\u3002"},
    {L"DE", 19, L"\u9759\u9ED8\u9AD8\u5EA6"},
    {L"DE", 499, L"Men\u00FC"},
    {L"DE", 512, L"Keyboard-Taste zuweisen +"},
    {L"CHS", 11, L"\u4FDD\u5B58"},
    {L"CHT", 11, L"\u5957\u7528"},
    {L"EN", 494, L"Non-Disolay"},
    {L"DE", 494, L"Non-Disolay"},
    {L"CHS", 525, L"Update \u9A71\u52A8\u66F4\u65B0"},
    {L"EN", 575, L"It doesn\u2019t start recording, unnecessary to press Stop key!"},
    {L"CHS", 587, L"\u5173\u95ED"},
    {L"EN", 588, L"ON"},
    {L"DE", 456, L"Sensitivity"},
    {L"CHT", 597, L"Finger tapping"},
};

TEST(UiTextTable, TextsAreSpelledAsTheUtilityShowsThem)
{
    for (const SlotText& expected : kSpelledTexts) {
        EXPECT_EQ(UiTextTable(expected.code).Text(expected.slot), expected.text)
            << "slot " << expected.slot;
    }
}

TEST(UiTextTable, TheWebAddressIsTheSameInEveryLanguage)
{
    for (const wchar_t* code : {L"EN", L"CHS", L"CHT", L"DE"}) {
        EXPECT_EQ(UiTextTable(code).Text(524), kMakerWebAddress);
    }
    EXPECT_EQ(UiTextTable(L"XX").Text(524), L"");
}

TEST(UiTextTable, NumbersOutsideTheTableReadEmpty)
{
    const UiTextTable table(L"EN");
    for (int slot : {-1, 1, 602, 100000}) {
        EXPECT_EQ(table.Text(slot), L"") << slot;
    }
}

TEST(UiTexts, TheProcessTableFollowsTheLastFill)
{
    FillUiTexts(L"DE");
    EXPECT_EQ(UiLanguageCode(), L"DE");
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::German);
    EXPECT_EQ(UiText(546), L"Exit");
    EXPECT_EQ(UiText(9), L"Zur\u00FCcksetzen");

    FillUiTexts(L"de");
    EXPECT_EQ(UiLanguageCode(), L"de");
    EXPECT_EQ(CurrentUiLanguage(), UiLanguage::Unknown);
    EXPECT_EQ(UiText(9), L"");
    EXPECT_EQ(UiText(260), L"RESET");
}

}  // namespace
}  // namespace norvale
