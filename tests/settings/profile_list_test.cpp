#include "settings/profile_list.h"

#include <gtest/gtest.h>

#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/profile_list_texts.h"
#include "temporary_folder.h"

namespace norvale {
namespace {

using Names = std::vector<std::wstring>;

// A list holding these names with the last one selected, as after New.
ProfileList ListOf(const Names& names)
{
    ProfileList list(names);
    list.Select(static_cast<int>(names.size()) - 1);
    return list;
}

struct NamingCase {
    const char* name;
    Names before;
    UiLanguage language;
    std::wstring expected;
};

class NewProfileNameTest : public ::testing::TestWithParam<NamingCase> {};

TEST_P(NewProfileNameTest, AddsTheNextNameAtTheEndAndSelectsIt)
{
    const NamingCase& naming = GetParam();
    ProfileList list = ListOf(naming.before);

    EXPECT_EQ(list.AddNew(ProfileListTextsFor(naming.language).profileWord),
              ProfileList::NewOutcome::Added);

    Names expected = naming.before;
    expected.push_back(naming.expected);
    EXPECT_EQ(list.names(), expected);
    EXPECT_EQ(list.selection(), static_cast<int>(naming.before.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewProfileNameTest,
    ::testing::Values(
        NamingCase{"FirstProfile", {}, UiLanguage::English, L"Profile 1"},
        NamingCase{"FirstProfileInGerman", {}, UiLanguage::German, L"Profil 1"},
        NamingCase{"NumberAfterTheLast", {L"Profile 1", L"Profile 2"}, UiLanguage::English, L"Profile 3"},
        NamingCase{"NameWithoutBlankGetsTheCount", {L"Game"}, UiLanguage::English, L"Game 1"},
        // "Profile 1" after the first blank of "Copy Profile 1" reads as 0.
        NamingCase{"CopyNameGivesASecondProfile1", {L"Profile 1", L"Copy Profile 1"}, UiLanguage::English,
                   L"Profile 1"},
        NamingCase{"ProfileWordOfTheLanguage", {L"My game 4"}, UiLanguage::TraditionalChinese,
                   L"設定檔 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileListTest, SixProfilesAreTheLimitForNewAndCopy)
{
    const Names six = {L"A", L"B", L"C", L"D", L"E", L"F"};
    ProfileList list = ListOf(six);
    list.Select(0);

    EXPECT_EQ(list.AddNew(L"Profile"), ProfileList::NewOutcome::LimitReached);
    EXPECT_FALSE(list.CopySelected(L"Copy"));
    EXPECT_EQ(list.names(), six);
}

TEST(ProfileListTest, CopyAddsTheSelectedNameAtTheEndAndKeepsTheSelection)
{
    ProfileList list = ListOf({L"A", L"B", L"C"});
    list.Select(1);

    EXPECT_TRUE(list.CopySelected(L"Kopieren"));

    EXPECT_EQ(list.names(), (Names{L"A", L"B", L"C", L"Kopieren B"}));
    EXPECT_EQ(list.selection(), 1);
    EXPECT_FALSE(ListOf({}).CopySelected(L"Copy"));
}

TEST(ProfileListTest, DeleteSelectsTheNameNowAtThatPositionOrTheLast)
{
    ProfileList list = ListOf({L"A", L"B", L"C"});
    list.Select(1);
    EXPECT_EQ(list.DeleteSelected(), 1);
    EXPECT_EQ(list.names(), (Names{L"A", L"C"}));
    EXPECT_EQ(list.selection(), 1);

    EXPECT_EQ(list.DeleteSelected(), 1);
    EXPECT_EQ(list.names(), Names{L"A"});
    EXPECT_EQ(list.selection(), 0);

    // The last profile stays.
    EXPECT_EQ(list.DeleteSelected(), std::nullopt);
    EXPECT_EQ(list.names(), Names{L"A"});
}

TEST(ProfileListTest, ChosenProfileFollowsItsNameThroughADeletion)
{
    ProfileList list = ListOf({L"A", L"B", L"C", L"D"});
    list.selectedProfile = 2;
    list.Select(0);
    list.DeleteSelected();
    EXPECT_EQ(list.names()[static_cast<std::size_t>(list.selectedProfile)], L"C");

    list.Select(1);
    list.DeleteSelected();
    EXPECT_EQ(list.selectedProfile, list.selection());
}

TEST(ProfileListTest, FirstClickChoosesAProfileAndASecondRenamesIt)
{
    ProfileList list = ListOf({L"A", L"B"});
    list.selectedProfile = 0;

    EXPECT_FALSE(list.Choose(1));
    EXPECT_EQ(list.selectedProfile, 1);
    EXPECT_TRUE(list.Choose(1));
    EXPECT_EQ(list.selectedProfile, 1);
    EXPECT_EQ(list.Closing(), (ProfileAction{ProfileActionKind::Close, 1}));
}

TEST(ProfileListTest, LoadAndSaveActOnTheSelectedPosition)
{
    ProfileList list = ListOf({L"A", L"B", L"C"});
    list.Select(2);
    EXPECT_EQ(list.ImportSelected(), (ProfileAction{ProfileActionKind::Import, 2}));
    EXPECT_EQ(list.ExportSelected(), (ProfileAction{ProfileActionKind::Export, 2}));
    list.Select(kNoProfileSelected);
    EXPECT_EQ(list.ImportSelected(), std::nullopt);
}

class ProfileListFileTest : public ::testing::Test {
protected:
    void WriteList(const std::wstring& count, const Names& items, const std::wstring& current)
    {
        profiles.WriteString(listPath, L"Profile", L"CurProfileName", current);
        profiles.WriteString(listPath, L"Profile", L"ItemCount", count);
        for (std::size_t i = 0; i < items.size(); ++i) {
            profiles.WriteString(listPath, L"Profile", L"Item" + std::to_wstring(i), items[i]);
        }
    }
    std::wstring Read(const std::wstring& key)
    {
        return profiles.ReadString(listPath, L"PROFILE", key, L"<none>");
    }

    testing::TemporaryFolder folder;
    StandardFileSystem files;
    HostProfileFile profiles;
    std::wstring listPath = folder.File(L"str.ini");
};

TEST_F(ProfileListFileTest, FillSelectsTheFirstNameBeginningWithTheCurrentOneIgnoringCase)
{
    WriteList(L"3", {L"Work", L"Game 2", L"Game"}, L"game");
    ProfileList list;

    EXPECT_EQ(list.Fill(files, profiles, listPath), 1);

    EXPECT_EQ(list.names(), (Names{L"Work", L"Game 2", L"Game"}));
    EXPECT_EQ(list.selection(), 1);
    EXPECT_EQ(list.selectedProfile, 1);
}

TEST_F(ProfileListFileTest, FillTakesNoNamesFromABrokenCount)
{
    for (const std::wstring count : {L"0", L"7", L"x"}) {
        SCOPED_TRACE(count);
        WriteList(count, {L"A"}, L"A");
        ProfileList list;
        EXPECT_EQ(list.Fill(files, profiles, listPath), std::nullopt);
        EXPECT_TRUE(list.names().empty());
    }
}

TEST_F(ProfileListFileTest, SaveReplacesTheWholeSectionAndNamesTheSelectedProfileCurrent)
{
    WriteList(L"4", {L"A", L"B", L"C", L"D"}, L"D");
    profiles.WriteString(listPath, L"Skins", L"Lan", L"EN");
    ProfileList list;
    list.Fill(files, profiles, listPath);
    list.Select(1);
    list.DeleteSelected();
    list.Rename(0, L"Alpha");

    EXPECT_EQ(list.Save(files, profiles, listPath), 1);

    EXPECT_EQ(Read(L"ItemCount"), L"3");
    EXPECT_EQ(Read(L"Item0"), L"Alpha");
    EXPECT_EQ(Read(L"Item2"), L"D");
    EXPECT_EQ(Read(L"Item3"), L"<none>");
    EXPECT_EQ(Read(L"CurProfileName"), L"C");
    EXPECT_EQ(profiles.ReadString(listPath, L"Skins", L"Lan", L""), L"EN");
}

TEST_F(ProfileListFileTest, WithoutSelectionTheFirstNameBecomesCurrent)
{
    WriteList(L"2", {L"A", L"B"}, L"none of them");
    ProfileList list;
    list.Fill(files, profiles, listPath);

    EXPECT_EQ(list.Save(files, profiles, listPath), 0);
    EXPECT_EQ(Read(L"CurProfileName"), L"A");
}

TEST_F(ProfileListFileTest, WithoutAProfileListFileNothingIsReadOrWritten)
{
    ProfileList list = ListOf({L"A"});

    EXPECT_EQ(list.Save(files, profiles, listPath), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(listPath));
    ProfileList empty;
    EXPECT_EQ(empty.Fill(files, profiles, listPath), std::nullopt);
    EXPECT_TRUE(empty.names().empty());
}

}  // namespace
}  // namespace norvale
