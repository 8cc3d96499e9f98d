#include "settings/settings_files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "support/debug_recorder.h"
#include "file_bytes.h"
#include "temporary_folder.h"

namespace norvale {
namespace {

using namespace testing;  // the file helpers

// A file system whose writes can be made to fail, as a full disk or a crash
// in the middle of a save would.
class FailingFileSystem final : public StandardFileSystem {
public:
    std::error_code WriteThrough(const std::wstring& path, std::span<const std::uint8_t> bytes) override
    {
        if (!failWrite) return StandardFileSystem::WriteThrough(path, bytes);
        StandardFileSystem::WriteThrough(path, bytes.first(bytes.size() / 2));
        return std::make_error_code(std::errc::no_space_on_device);
    }
    std::error_code Replace(const std::wstring& source, const std::wstring& target) override
    {
        if (failReplace) return std::make_error_code(std::errc::permission_denied);
        return StandardFileSystem::Replace(source, target);
    }
    bool failWrite = false;
    bool failReplace = false;
};

class SettingsFilesTest : public ::testing::Test {
protected:
    std::filesystem::path Beside(const char* name) const { return folder.path() / name; }

    void WriteProfileList(const std::wstring& count, const std::vector<std::wstring>& items,
                          const std::wstring& current)
    {
        const std::wstring list = folder.File(L"str.ini");
        profiles.WriteString(list, L"Profile", L"CurProfileName", current);
        profiles.WriteString(list, L"Profile", L"ItemCount", count);
        for (std::size_t i = 0; i < items.size(); ++i) {
            profiles.WriteString(list, L"Profile", L"Item" + std::to_wstring(i), items[i]);
        }
    }

    void WriteNumberedSettingsFiles()
    {
        for (std::uint8_t profile = 0; profile < 6; ++profile) {
            WriteBytes(Beside(("config" + std::to_string(profile) + ".bin").c_str()),
                       SettingsFileOf(0x10 + profile));
        }
    }

    testing::TemporaryFolder folder;
    testing::DebugRecorder debug;
    FailingFileSystem fileSystem;
    HostProfileFile profiles;
    Settings settings{};
    SettingsFiles files{folder.File(L"Norvale.exe"), settings, fileSystem, profiles};
};

struct ProfileChoiceCase {
    const char* name;
    std::wstring itemCount;
    std::vector<std::wstring> items;
    std::wstring current;
    std::uint8_t profileBefore;
    std::uint8_t expectedProfile;
};

class ProfileChoiceTest : public SettingsFilesTest,
                          public ::testing::WithParamInterface<ProfileChoiceCase> {};

TEST_P(ProfileChoiceTest, LoadsTheFilesOfTheChosenProfile)
{
    const ProfileChoiceCase& choice = GetParam();
    WriteNumberedSettingsFiles();
    WriteProfileList(choice.itemCount, choice.items, choice.current);
    files.profileNumber = choice.profileBefore;

    files.LoadSettings();

    const std::wstring number = std::to_wstring(choice.expectedProfile);
    EXPECT_EQ(files.profileNumber, choice.expectedProfile);
    EXPECT_EQ(files.settingsFilePath(), folder.File(L"config" + number + L".bin"));
    EXPECT_EQ(files.labelFilePath(), folder.File(L"str" + number + L".ini"));
    EXPECT_EQ(settings.profileIndex, 0x10 + choice.expectedProfile);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileChoiceTest,
    ::testing::Values(
        ProfileChoiceCase{"LastMatchWins", L"3", {L"A", L"B", L"B"}, L"B", 0, 2},
        ProfileChoiceCase{"NamesCompareCaseSensitively", L"2", {L"A", L"B"}, L"b", 4, 4},
        ProfileChoiceCase{"OnlyCountedItemsTakePart", L"1", {L"A", L"B"}, L"B", 3, 3},
        ProfileChoiceCase{"SixItemsAreAllowed", L"6", {L"1", L"2", L"3", L"4", L"5", L"6"}, L"6", 0, 5},
        // A broken list must never leave the executable as the current file.
        ProfileChoiceCase{"CountAboveSixFallsBackToProfile0", L"7", {L"A"}, L"A", 3, 0},
        ProfileChoiceCase{"CountZeroFallsBackToProfile0", L"0", {}, L"A", 3, 0},
        ProfileChoiceCase{"CountNotANumberFallsBackToProfile0", L"x", {L"A"}, L"A", 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFilesTest, MissingProfileListFallsBackToProfile0AndNeverTouchesTheExecutable)
{
    const Bytes executable = {'M', 'Z', 0x90, 0x00};
    WriteBytes(Beside("Norvale.exe"), executable);
    WriteNumberedSettingsFiles();

    files.LoadSettings();
    files.SaveLabelTexts(L"Setting-EN", {L"a", L"b", L"c", L"d", L"e", L"f", L"g"});
    files.SaveSettings();

    EXPECT_EQ(ReadBytes(Beside("Norvale.exe")), executable);
    EXPECT_EQ(settings.profileIndex, 0x10);
    EXPECT_EQ(profiles.ReadString(folder.File(L"str0.ini"), L"Setting-EN", L"Item7", L""), L"g");
}

TEST_F(SettingsFilesTest, RenamedExecutableFindsTheFilesInItsFolder)
{
    WriteNumberedSettingsFiles();
    SettingsFiles renamed{folder.File(L"norvale.exe"), settings, fileSystem, profiles};

    renamed.LoadSettings();

    EXPECT_EQ(renamed.settingsFilePath(), folder.File(L"config0.bin"));
    EXPECT_EQ(renamed.profileListPath(), folder.File(L"str.ini"));
    EXPECT_EQ(renamed.macroStorePath(), folder.File(L"record.ini"));
    EXPECT_EQ(settings.profileIndex, 0x10);
}

TEST_F(SettingsFilesTest, ShortFileOverwritesOnlyTheBytesItHas)
{
    Bytes shortFile(100, 0x55);
    shortFile[0] = 0x07;
    WriteBytes(Beside("config0.bin"), shortFile);
    std::memset(&settings, 0xEE, kSettingsSize);

    files.LoadSettings();

    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&settings);
    EXPECT_EQ(bytes[0], 0x55);
    EXPECT_EQ(bytes[98], 0x55);
    EXPECT_EQ(bytes[99], 0xEE);
    EXPECT_EQ(bytes[kSettingsSize - 1], 0xEE);
    EXPECT_EQ(files.firstRunFlag, 0x07);
    ASSERT_EQ(debug.lines.size(), 1u);
    EXPECT_EQ(debug.lines[0], L"Program First Run Flag:7\nRead Size is: 99");
}

TEST_F(SettingsFilesTest, MissingSettingsFileKeepsTheSettingsAndStillRebuildsTheMacros)
{
    RestoreDefaultSettings(settings);
    const Settings before = settings;
    int rebuilds = 0;
    files.rebuildMacroImages = [&] { ++rebuilds; };

    files.LoadSettings();

    EXPECT_EQ(settings, before);
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(debug.lines, std::vector<std::wstring>{L"Config file is not exist.\n"});
}

TEST_F(SettingsFilesTest, MacroImagesAreRebuiltAfterTheSettingsAreRead)
{
    WriteNumberedSettingsFiles();
    std::uint8_t profileIndexSeen = 0;
    files.rebuildMacroImages = [&] { profileIndexSeen = settings.profileIndex; };

    files.LoadSettings();

    EXPECT_EQ(profileIndexSeen, 0x10);
}

TEST_F(SettingsFilesTest, LoadProfileReadsThatProfileWithItsOwnMacrosAndIgnoresTheList)
{
    WriteNumberedSettingsFiles();
    WriteProfileList(L"2", {L"A", L"B"}, L"A");
    int rebuilds = 0;
    files.rebuildMacroImages = [&] { ++rebuilds; };

    files.LoadProfile(4);

    EXPECT_EQ(settings.profileIndex, 0x14);
    EXPECT_EQ(settings.macroImages[0][0], 0x14);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(files.labelFilePath(), folder.File(L"str4.ini"));
}

TEST_F(SettingsFilesTest, DefaultsRequestedReadsTheFactoryFilesAndSavesToTheNumberedOne)
{
    WriteNumberedSettingsFiles();
    WriteBytes(Beside("config.bin"), SettingsFileOf(0x77));
    WriteProfileList(L"2", {L"A", L"B"}, L"B");
    files.defaultsRequested = true;

    files.LoadSettings();
    EXPECT_EQ(settings.profileIndex, 0x77);
    EXPECT_EQ(files.labelFilePath(), folder.File(L"str.ini"));

    files.profileNumber = 4;
    files.SaveSettings();
    EXPECT_EQ(ReadBytes(Beside("config.bin")), SettingsFileOf(0x77));
    EXPECT_EQ(ReadBytes(Beside("config4.bin")), SettingsFileOf(0x77));
    EXPECT_EQ(files.labelFilePath(), folder.File(L"str4.ini"));
}

TEST_F(SettingsFilesTest, SaveWritesTheFlagAndTheWholeLiveSettings)
{
    WriteBytes(Beside("config2.bin"), Bytes(3, 0));
    RestoreDefaultSettings(settings);
    settings.macroImages[11][129] = 0x5A;
    files.profileNumber = 2;

    files.SaveSettings();

    const Bytes saved = ReadBytes(Beside("config2.bin"));
    ASSERT_EQ(saved.size(), 1805u);
    EXPECT_EQ(saved[0], 0x01);
    EXPECT_EQ(saved[2], 1);     // reserved1
    EXPECT_EQ(saved[6], 2);     // reportRate
    EXPECT_EQ(saved[84], 0);    // buttonKind[0]
    EXPECT_EQ(saved[87], 17);   // buttonKind[3]
    EXPECT_EQ(saved[1801], 0x5A);
    EXPECT_FALSE(std::filesystem::exists(Beside("config2.bin.tmp")));
    EXPECT_EQ(debug.lines,
              std::vector<std::wstring>{L"Data num:1 BYTE -1804 BYTE\n Struct size:1804 BYTE"});
}

TEST_F(SettingsFilesTest, SaveCreatesNoSettingsFile)
{
    WriteBytes(Beside("config0.bin"), SettingsFileOf(0x10));
    files.profileNumber = 3;

    files.SaveSettings();

    EXPECT_FALSE(std::filesystem::exists(Beside("config3.bin")));
    EXPECT_FALSE(std::filesystem::exists(Beside("config3.bin.tmp")));
    EXPECT_EQ(debug.lines, std::vector<std::wstring>{L"Config file is not exist.\n"});
}

TEST_F(SettingsFilesTest, FailedSaveLeavesTheOldFileWhole)
{
    for (const bool failWrite : {true, false}) {
        SCOPED_TRACE(failWrite ? "write fails halfway" : "replace fails");
        debug.lines.clear();
        WriteBytes(Beside("config0.bin"), SettingsFileOf(0x10));
        fileSystem.failWrite = failWrite;
        fileSystem.failReplace = !failWrite;
        RestoreDefaultSettings(settings);

        files.SaveSettings();

        EXPECT_EQ(ReadBytes(Beside("config0.bin")), SettingsFileOf(0x10));
        EXPECT_FALSE(std::filesystem::exists(Beside("config0.bin.tmp")));
        ASSERT_EQ(debug.lines.size(), 1u);
        EXPECT_TRUE(debug.lines[0].starts_with(L"Error Code is: "));
        EXPECT_TRUE(debug.lines[0].ends_with(L" \n"));
    }
}

TEST_F(SettingsFilesTest, LabelsRoundTripInTheLanguageSectionOfTheCurrentLabelFile)
{
    WriteBytes(Beside("str1.ini"), {0xFF, 0xFE});
    files.UseProfileFiles(1);
    const ButtonLabels chinese = {L"\u5de6\u952e", L"\u53f3\u952e", L"\u4e2d\u952e", L"Fn",
                                  L"\u72d9\u51fb\u952e", L"DPI +", L"DPI -"};

    files.SaveLabelTexts(L"Setting-CHS", chinese);

    EXPECT_EQ(files.LoadLabelTexts(L"Setting-CHS"), chinese);
    EXPECT_EQ(files.LoadLabelTexts(L"Setting-DE"), ButtonLabels{});
    files.UseProfileFiles(2);
    EXPECT_EQ(files.LoadLabelTexts(L"Setting-CHS"), ButtonLabels{});
}

}  // namespace
}  // namespace norvale
