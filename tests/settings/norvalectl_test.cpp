#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "command.h"
#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/label_file.h"
#include "settings/settings_files.h"
#include "support/debug_recorder.h"
#include "support/norvalectl_run.h"
#include "temporary_folder.h"

namespace norvale {
namespace {

using testing::Norvalectl;
using testing::ToolRun;

bool StartsWithUtf16Mark(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    char mark[2] = {};
    in.read(mark, 2);
    return mark[0] == '\xFF' && mark[1] == '\xFE';
}

class NorvalectlDefaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ToolRun run = Norvalectl({"defaults", "--dir", folder.path().string()});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    testing::TemporaryFolder folder;
    StandardFileSystem fileSystem;
    HostProfileFile profiles;
};

TEST_F(NorvalectlDefaults, SettingsFilesLoadBackAsTheFactorySettings)
{
    Settings expected{};
    RestoreDefaultSettings(expected);
    expected.auxColor = {0xFF, 0xFF, 0xFF};
    expected.liftOffDistance = 4;

    for (const bool factoryFile : {false, true}) {
        SCOPED_TRACE(factoryFile ? "config.bin" : "config0.bin");
        testing::DebugRecorder debug;
        Settings settings;
        std::memset(&settings, 0xEE, sizeof settings);
        SettingsFiles files{folder.File(L"Norvale.exe"), settings, fileSystem, profiles};
        files.defaultsRequested = factoryFile;

        files.LoadSettings();

        EXPECT_EQ(settings, expected);
        EXPECT_EQ(files.profileNumber, 0);
        EXPECT_EQ(files.firstRunFlag, 1);
        EXPECT_EQ(files.ReadUiLanguageCode(), L"EN");
        EXPECT_EQ(debug.lines, std::vector<std::wstring>{L"Program First Run Flag:1\nRead Size is: 1804"});
    }
    for (int profile = 1; profile < 6; ++profile) {
        const auto name = "config" + std::to_string(profile) + ".bin";
        EXPECT_EQ(std::filesystem::file_size(folder.path() / name), 1805u) << name;
    }
}

TEST_F(NorvalectlDefaults, LabelFilesHoldTheFactoryLabelsOfAllFourLanguages)
{
    const ButtonLabels chinese = {L"\u5de6\u952e", L"\u53f3\u952e", L"\u4e2d\u952e", L"Fn",
                                  L"\u72d9\u51fb\u952e", L"DPI +", L"DPI -"};
    const ButtonLabels traditional = {L"\u9ede\u64ca", L"\u9078\u9805", L"\u6efe\u8f2a", L"Fn",
                                      L"\u72d9\u64ca\u9375", L"DPI +", L"DPI -"};
    const ButtonLabels english = {L"Click", L"Menu", L"Scroll", L"Fn", L"Snipe", L"DPI +", L"DPI -"};
    const ButtonLabels german = {L"Klick", L"Men\u00fc", L"Scrollen", L"Fn", L"Snipe Key", L"DPI +", L"DPI -"};

    for (const char* name : {"str.ini", "str0.ini", "str5.ini"}) {
        SCOPED_TRACE(name);
        const std::wstring file = folder.File(std::wstring(name, name + std::strlen(name)));
        EXPECT_TRUE(StartsWithUtf16Mark(folder.path() / name));
        EXPECT_EQ(ReadLabelTexts(profiles, file, L"Setting-CHS"), chinese);
        EXPECT_EQ(ReadLabelTexts(profiles, file, L"Setting-CHT"), traditional);
        EXPECT_EQ(ReadLabelTexts(profiles, file, L"Setting-EN"), english);
        EXPECT_EQ(ReadLabelTexts(profiles, file, L"Setting-DE"), german);
        EXPECT_EQ(profiles.ReadString(file, L"Skins", L"Lan", L""), L"EN");
    }
}

TEST_F(NorvalectlDefaults, ProfileListNamesOneCurrentProfileAndTheMacroStoreIsEmpty)
{
    const std::wstring list = folder.File(L"str.ini");
    EXPECT_EQ(profiles.ReadString(list, L"Profile", L"ItemCount", L""), L"1");
    EXPECT_EQ(profiles.ReadString(list, L"Profile", L"Item0", L""), L"Profile 1");
    EXPECT_EQ(profiles.ReadString(list, L"Profile", L"CurProfileName", L""), L"Profile 1");
    EXPECT_EQ(profiles.ReadString(list, L"Profile", L"Item1", L"none"), L"none");

    const std::wstring store = folder.File(L"record.ini");
    EXPECT_TRUE(StartsWithUtf16Mark(folder.path() / "record.ini"));
    EXPECT_EQ(profiles.ReadString(store, L"MacroName", L"MacroCount", L""), L"0");
    EXPECT_EQ(profiles.ReadString(store, L"MacroName", L"0", L"none"), L"");
}

TEST(Norvalectl, HelpListsTheCommandsAndTheExitCodesAndEachCommandItsUsage)
{
    for (const char* help : {"--help", "-h"}) {
        const ToolRun run = Norvalectl({help});
        EXPECT_EQ(run.exitCode, 0);
        for (const tools::Command& command : tools::AllCommands())
            EXPECT_NE(run.out.find("  " + std::string(command.name) + " "), std::string::npos) << command.name;
        EXPECT_NE(run.out.find("exit codes:\n  0  success\n  1  the mouse"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("  2  bad use"), std::string::npos) << run.out;
    }
    for (const tools::Command& command : tools::AllCommands()) {
        const ToolRun run = Norvalectl({std::string(command.name), "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("usage: norvalectl " + std::string(command.name), 0), 0u) << run.out;
    }
    EXPECT_NE(Norvalectl({"defaults", "--help"}).out.find("norvalectl defaults --dir DIR"), std::string::npos);
}

TEST(Norvalectl, BadCommandLinesFailWithExitCode2)
{
    testing::TemporaryFolder folder;
    const std::string missing = (folder.path() / "missing").string();
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{}, "usage: norvalectl"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"defaults"}, "usage: norvalectl defaults"},
        {{"defaults", "--dir"}, "usage: norvalectl defaults"},
        {{"defaults", "--folder", folder.path().string()}, "usage: norvalectl defaults"},
        {{"defaults", "--dir", missing}, "no such folder: " + missing},
    };
    for (const auto& [arguments, message] : cases) {
        const ToolRun run = Norvalectl(arguments);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

TEST(Norvalectl, UnwritableFileFailsWithExitCode2AndNamesIt)
{
    testing::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "str3.ini");

    const ToolRun run = Norvalectl({"defaults", "--dir", folder.path().string()});

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("cannot write " + (folder.path() / "str3.ini").string()), std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace norvale
