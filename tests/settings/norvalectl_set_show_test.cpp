#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/label_file.h"
#include "settings/settings_files.h"
#include "support/norvalectl_run.h"
#include "temporary_folder.h"

namespace norvale {
namespace {

using ::testing::HasSubstr;
using testing::Norvalectl;
using testing::ToolRun;

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A folder made by "norvalectl defaults", changed through "norvalectl set".
class NorvalectlSetTest : public ::testing::Test {
protected:
    NorvalectlSetTest()
    {
        const ToolRun run = Norvalectl({"defaults", "--dir", Folder()});
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }

    std::string Folder() const { return folder.path().string(); }
    ToolRun Set(const std::string& key, const std::string& value)
    {
        return Norvalectl({"set", "--dir", Folder(), key, value});
    }
    ToolRun Show() { return Norvalectl({"show", "--dir", Folder()}); }

    // The settings and labels as the utility loads them when it starts.
    Settings Loaded()
    {
        Settings settings{};
        SettingsFiles files{folder.File(L"Norvale.exe"), settings, fileSystem, profiles};
        files.LoadSettings();
        profileNumber = files.profileNumber;
        return settings;
    }
    std::wstring Label(int profile, std::wstring_view section, int button)
    {
        return ReadLabelTexts(profiles, folder.File(L"str" + std::to_wstring(profile) + L".ini"), section)
            [static_cast<std::size_t>(button)];
    }
    void Write(const std::wstring& file, std::wstring_view section, std::wstring_view key, std::wstring_view value)
    {
        profiles.WriteString(folder.File(file), section, key, value);
    }
    void StoreMacros()
    {
        Write(L"record.ini", L"MacroName", L"MacroCount", L"2");
        Write(L"record.ini", L"MacroName", L"0", L"Alpha");
        Write(L"record.ini", L"MacroName", L"1", L"Beta");
        for (const wchar_t* name : {L"Alpha", L"Beta"}) {
            Write(L"record.ini", name, L"MacroLoopTimes", L"2");
            Write(L"record.ini", name, L"ItemCount", L"3");
            Write(L"record.ini", name, L"Item0", L"A   Dn");
            Write(L"record.ini", name, L"Item1", L"120 ms");
            Write(L"record.ini", name, L"Item2", L"A   Up");
        }
    }

    testing::TemporaryFolder folder;
    StandardFileSystem fileSystem;
    HostProfileFile profiles;
    int profileNumber = -1;
};

TEST_F(NorvalectlSetTest, ShowDescribesAFreshInstallation)
{
    const ToolRun run = Show();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "profile: 1 \"Profile 1\" of 1, labels in \"Setting-EN\"\n"
              "polling rate: 500 Hz\n"
              "DPI stages:\n"
              "  1:   600 DPI, in use, colour #FF0000\n"
              "  2:  1200 DPI, in use, colour #0000FF\n"
              "  3:  2400 DPI, in use, colour #00FF00\n"
              "  4:  3600 DPI, in use, colour #FFFF00\n"
              "  5:  5400 DPI, in use, colour #00FFFF\n"
              "  6:  7200 DPI, in use, colour #FF8000\n"
              "  7: 10800 DPI, in use, colour #FF00FF\n"
              "lighting: neon, speed 2 of 6\n"
              "angle snapping: off\n"
              "buttons:\n"
              "  1: Click                        label \"Click\"\n"
              "  2: Menu                         label \"Menu\"\n"
              "  3: Scroll                       label \"Scroll\"\n"
              "  4: Snipe                        label \"Snipe\"\n"
              "  5: Fn                           label \"Fn\"\n"
              "  6: DPI +                        label \"DPI +\"\n"
              "  7: DPI -                        label \"DPI -\"\n"
              "macros: none\n");
}

// Each accepted value lands in the current profile's settings file as the
// page or menu that makes it would store it.
TEST_F(NorvalectlSetTest, AcceptedValuesAreSavedAsThePagesStoreThem)
{
    struct Case {
        const char* key;
        const char* value;
        bool (*holds)(const Settings&);
    };
    const Case cases[] = {
        {"dpi.2", "800", [](const Settings& s) { return s.dpiValue[1] == 16; }},
        {"dpi.7", "50", [](const Settings& s) { return s.dpiValue[6] == 1; }},
        {"dpi.1", "10800", [](const Settings& s) { return s.dpiValue[0] == 216; }},
        {"dpi.3.use", "off", [](const Settings& s) { return s.dpiStageEnabled[2] == 0 && s.dpiValue[2] == 48; }},
        {"dpi.1.colour", "#00ff80", [](const Settings& s) { return s.dpiColor[0] == Rgb{0x00, 0xFF, 0x80}; }},
        {"polling-rate", "125", [](const Settings& s) { return s.reportRate == 8; }},
        {"polling-rate", "1000", [](const Settings& s) { return s.reportRate == 1; }},
        {"angle-snapping", "on", [](const Settings& s) { return s.angleSnapping == 1; }},
        // Linked groups follow the page: group A takes the effect and its value.
        {"lighting", "respiration",
         [](const Settings& s) { return s.lightBMode == 2 && s.lightAMode == 2 && s.lightOption56 == 0; }},
        {"lighting.speed", "5", [](const Settings& s) { return s.lightBParam2 == 5 && s.lightAParam2 == 5; }},
        {"lighting", "finger-tapping",
         [](const Settings& s) { return s.lightBMode == 4 && s.lightAMode == 3 && s.lightOption56 == 1; }},
        // Row 4 lists internal button 4, row 5 button 3.
        {"button.4", "play/pause", [](const Settings& s) { return s.buttonKind[4] == 7 && s.buttonMediaCode[4] == 0xCD; }},
        {"button.5", "Scroll", [](const Settings& s) { return s.buttonKind[3] == 2; }},
        {"button.6", "DPI Loop", [](const Settings& s) { return s.buttonKind[5] == 6 && s.buttonDpiAction[5] == 3; }},
        {"button.2", "key:F5", [](const Settings& s) { return s.buttonKind[1] == 10 && s.buttonKeyCode[1] == 0x3E; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        const ToolRun run = Set(c.key, c.value);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, std::string(c.key) + " = " + c.value + "\n");
        EXPECT_TRUE(c.holds(Loaded()));
    }
    EXPECT_EQ(Label(0, L"Setting-EN", 4), L"Play/Pause");
    EXPECT_EQ(Label(0, L"Setting-EN", 5), L"DPI Loop");
    EXPECT_EQ(Label(0, L"Setting-EN", 1), L"Assign Keyboard Key-F5");
    EXPECT_EQ(Label(0, L"Setting-EN", 0), L"Click");

    const ToolRun show = Show();
    EXPECT_THAT(show.out, HasSubstr("  2:   800 DPI, in use, colour #0000FF\n"));
    EXPECT_THAT(show.out, HasSubstr("lighting: finger-tapping, lit by L R M\n"));
    EXPECT_THAT(show.out, HasSubstr("  2: Keyboard key F5              label \"Assign Keyboard Key-F5\"\n"));
    EXPECT_THAT(show.out, HasSubstr("  4: Play/Pause                   label \"Play/Pause\"\n"));
}

TEST_F(NorvalectlSetTest, RefusedValuesNameWhatIsAllowedAndLeaveTheFilesAlone)
{
    ASSERT_EQ(Set("dpi.3.use", "off").exitCode, 0);
    const std::string settingsBefore = Bytes(folder.path() / "config0.bin");
    const std::string labelsBefore = Bytes(folder.path() / "str0.ini");
    const struct {
        const char* key;
        const char* value;
        const char* says;
    } cases[] = {
        {"dpi.2", "75", "50 to 10800 in steps of 50"},
        {"dpi.2", "10850", "50 to 10800 in steps of 50"},
        {"dpi.2", "8OO", "50 to 10800 in steps of 50"},
        {"dpi.8", "800", "unknown key 'dpi.8'"},
        {"dpi", "800", "unknown key 'dpi'"},
        {"dpi.3.colour", "#0000FF", "stage 3 is not in use"},
        {"dpi.1.colour", "blue", "#RRGGBB"},
        {"polling-rate", "300", "125, 250, 500 or 1000"},
        {"lighting", "blink", "standard, respiration, neon or finger-tapping"},
        {"lighting.speed", "7", "1 to 6"},
        {"angle-snapping", "yes", "on or off"},
        {"button.1", "Menu", "At least one button must be set as the \"click\" function."},
        {"button.5", "Bogus", "\"Play/Pause\""},
        {"button.2", "key:Foo", "no key is named \"Foo\""},
        {"button.3", "macro:Nope", "the store holds none"},
        {"profile", "7", "\"Profile 1\" or its position 1 to 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        const ToolRun run = Set(c.key, c.value);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_THAT(run.err, HasSubstr(c.says));
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Bytes(folder.path() / "config0.bin"), settingsBefore);
    EXPECT_EQ(Bytes(folder.path() / "str0.ini"), labelsBefore);
}

TEST_F(NorvalectlSetTest, FingerTappingHasNoSpeed)
{
    ASSERT_EQ(Set("lighting", "finger-tapping").exitCode, 0);
    const ToolRun run = Set("lighting.speed", "3");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("finger-tapping has no speed"));
}

TEST_F(NorvalectlSetTest, CaptionsAreWrittenInTheLanguageOfTheLabelFile)
{
    Write(L"str0.ini", L"Skins", L"Lan", L"CHS");
    ASSERT_EQ(Set("button.4", "Play/Pause").exitCode, 0);
    EXPECT_EQ(Label(0, L"Setting-CHS", 4), L"播放/暂停");
    EXPECT_EQ(Label(0, L"Setting-EN", 4), L"Snipe");
    EXPECT_THAT(Show().out, HasSubstr("  4: Play/Pause                   label \"播放/暂停\"\n"));
}

TEST_F(NorvalectlSetTest, MacrosAreChosenByNameWithTheirRepeatMode)
{
    StoreMacros();
    const ToolRun run = Set("button.7", "macro:Beta:while-held");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Settings settings = Loaded();
    EXPECT_EQ(settings.buttonKind[6], 11);
    EXPECT_EQ(settings.buttonMacroIndex[6], 1);
    EXPECT_EQ(settings.buttonMacroMode[6], 2);
    EXPECT_EQ(Label(0, L"Setting-EN", 6), L"Macro:Beta");
    ASSERT_EQ(Set("button.6", "macro:Alpha").exitCode, 0);
    EXPECT_EQ(Loaded().buttonMacroMode[5], 0);

    const ToolRun show = Show();
    EXPECT_THAT(show.out, HasSubstr("  6: Macro Alpha (once)"));
    EXPECT_THAT(show.out, HasSubstr("  7: Macro Beta (while-held)"));
    EXPECT_THAT(show.out, HasSubstr("macros:\n  1: Alpha, loop 2\n       A   Dn\n       120 ms\n       A   Up\n"));
    EXPECT_THAT(Set("button.5", "macro:Gamma").err, HasSubstr("the store holds \"Alpha\", \"Beta\""));
}

TEST_F(NorvalectlSetTest, TheProfileChosenIsTheOneTheNextSetAndTheUtilityUse)
{
    Write(L"str.ini", L"Profile", L"ItemCount", L"2");
    Write(L"str.ini", L"Profile", L"Item1", L"Gaming");

    ASSERT_EQ(Set("profile", "Gaming").exitCode, 0);
    ASSERT_EQ(Set("dpi.1", "400").exitCode, 0);
    EXPECT_EQ(Loaded().dpiValue[0], 8);
    EXPECT_EQ(profileNumber, 1);
    EXPECT_THAT(Show().out, HasSubstr("profile: 2 \"Gaming\" of 2"));

    ASSERT_EQ(Set("profile", "1").exitCode, 0);
    EXPECT_EQ(Loaded().dpiValue[0], 12);
    EXPECT_EQ(profileNumber, 0);
}

TEST_F(NorvalectlSetTest, AProfileWithoutItsSettingsFileIsNotReportedAsChanged)
{
    std::filesystem::remove(folder.path() / "config0.bin");
    const ToolRun run = Set("dpi.1", "800");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("no settings file"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "config0.bin"));
}

TEST_F(NorvalectlSetTest, AMissingFolderIsBadUse)
{
    const ToolRun run = Norvalectl({"set", "--dir", Folder() + "/missing", "dpi.1", "800"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("no such folder"));
    EXPECT_EQ(Norvalectl({"show", "--dir", Folder() + "/missing"}).exitCode, 2);
    EXPECT_EQ(Norvalectl({"set", "--dir", Folder(), "dpi.1"}).exitCode, 2);
}

}  // namespace
}  // namespace norvale
