#include "settings/profile_files_shift.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/profile_list.h"
#include "settings/settings_files.h"
#include "settings/settings_paths.h"
#include "text/factory_labels.h"
#include "file_bytes.h"
#include "temporary_folder.h"

namespace norvale {
namespace {

using namespace testing;  // the file helpers

// An installation with six profiles whose files all differ, and factory files.
class ProfileFilesShiftTest : public ::testing::Test {
protected:
    ProfileFilesShiftTest()
    {
        WriteBytes(folder.path() / "config.bin", SettingsFileOf(0xFA));
        for (int profile = 0; profile < kProfileCount; ++profile) {
            WriteBytes(folder.path() / SettingsFileName(profile), SettingsFileOf(0x10 + profile));
            const std::wstring labels = folder.File(LabelFileName(profile));
            profiles.WriteString(labels, L"Skins", L"Lan", L"EN");
            profiles.WriteString(labels, L"Setting-EN", L"Item1", L"Left of " + std::to_wstring(profile));
        }
    }

    // Every numbered file's bytes, by name.
    std::map<std::wstring, Bytes> Snapshot() const
    {
        std::map<std::wstring, Bytes> bytes;
        for (int profile = 0; profile < kProfileCount; ++profile) {
            for (const std::wstring& name : {SettingsFileName(profile), LabelFileName(profile)}) {
                bytes[name] = ReadBytes(folder.path() / name);
            }
        }
        return bytes;
    }

    std::wstring LabelOf(int profile, std::wstring_view section = L"Setting-EN")
    {
        return profiles.ReadString(folder.File(LabelFileName(profile)), section, L"Item1", L"");
    }

    testing::TemporaryFolder folder;
    StandardFileSystem files;
    HostProfileFile profiles;
    std::wstring executable = folder.File(L"Norvale.exe");
};

TEST_F(ProfileFilesShiftTest, EveryRemainingProfileKeepsItsOwnFiles)
{
    const auto before = Snapshot();

    ShiftProfileFilesDown(files, profiles, executable, 2, 6);

    const auto after = Snapshot();
    for (int profile = 0; profile < 5; ++profile) {
        const int owner = profile < 2 ? profile : profile + 1;
        SCOPED_TRACE(profile);
        EXPECT_EQ(after.at(SettingsFileName(profile)), before.at(SettingsFileName(owner)));
        EXPECT_EQ(after.at(LabelFileName(profile)), before.at(LabelFileName(owner)));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "config2.bin.tmp"));
}

TEST_F(ProfileFilesShiftTest, FreedPositionGetsTheFactorySettingsAndLabels)
{
    ShiftProfileFilesDown(files, profiles, executable, 1, 4);

    EXPECT_EQ(ReadBytes(folder.path() / "config3.bin"), SettingsFileOf(0xFA));
    EXPECT_EQ(LabelOf(3), FactoryButtonLabels(UiLanguage::English)[0]);
    EXPECT_EQ(LabelOf(3, L"Setting-DE"), FactoryButtonLabels(UiLanguage::German)[0]);
    EXPECT_EQ(profiles.ReadString(folder.File(L"str3.ini"), L"Skins", L"Lan", L""), L"EN");
    // Positions behind the list are no profile's and stay as they were.
    EXPECT_EQ(ReadBytes(folder.path() / "config4.bin"), SettingsFileOf(0x14));
    EXPECT_EQ(LabelOf(4), L"Left of 4");
}

TEST_F(ProfileFilesShiftTest, DeletingTheLastProfileOnlyRestoresItsPosition)
{
    const auto before = Snapshot();

    ShiftProfileFilesDown(files, profiles, executable, 5, 6);

    const auto after = Snapshot();
    for (int profile = 0; profile < 5; ++profile) {
        EXPECT_EQ(after.at(SettingsFileName(profile)), before.at(SettingsFileName(profile)));
    }
    EXPECT_EQ(after.at(L"config5.bin"), SettingsFileOf(0xFA));
}

TEST_F(ProfileFilesShiftTest, MissingFilesAreNotCreated)
{
    std::filesystem::remove(folder.path() / "config3.bin");
    std::filesystem::remove(folder.path() / "str5.ini");

    ShiftProfileFilesDown(files, profiles, executable, 0, 6);

    EXPECT_FALSE(std::filesystem::exists(folder.path() / "config3.bin"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "str5.ini"));
    EXPECT_EQ(ReadBytes(folder.path() / "config4.bin"), SettingsFileOf(0x15));
}

TEST_F(ProfileFilesShiftTest, WithoutFactoryFileTheFreedPositionGetsTheDefaults)
{
    std::filesystem::remove(folder.path() / "config.bin");

    ShiftProfileFilesDown(files, profiles, executable, 0, 2);

    Settings defaults{};
    RestoreDefaultSettings(defaults);
    EXPECT_EQ(ReadBytes(folder.path() / "config1.bin"), EncodeSettingsFile(defaults));
}

TEST_F(ProfileFilesShiftTest, AfterDeletingTheCurrentProfileListStillLoadsEachProfilesSettings)
{
    const std::wstring listPath = folder.File(L"str.ini");
    ProfileList list({L"A", L"B", L"C", L"D"});
    list.Select(1);
    const auto removed = list.DeleteSelected();
    ASSERT_TRUE(removed);
    ShiftProfileFilesDown(files, profiles, executable, *removed, 4);
    WriteBytes(listPath, {});
    list.Select(2);
    list.Save(files, profiles, listPath);

    Settings settings{};
    SettingsFiles settingsFiles{executable, settings, files, profiles};
    settingsFiles.LoadSettings();

    EXPECT_EQ(settingsFiles.profileNumber, 2);
    EXPECT_EQ(settings.profileIndex, 0x13);  // D's own settings
    EXPECT_EQ(settingsFiles.LoadLabelTexts(L"Setting-EN")[0], L"Left of 3");
}

}  // namespace
}  // namespace norvale
