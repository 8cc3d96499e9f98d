#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "command_line.h"
#include "platform/host_profile_file.h"
#include "settings/temporary_folder.h"

namespace norvale {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using namespace std::string_literals;

// norvalectl in-process on a folder made by "norvalectl defaults".
class NorvalectlApplyTest : public ::testing::Test {
protected:
    NorvalectlApplyTest() { EXPECT_EQ(Run({"defaults", "--dir", Folder()}), 0); }

    std::string Folder() const { return folder.path().string(); }
    int Run(const std::vector<std::string>& arguments)
    {
        out.str({});
        err.str({});
        return tools::RunCommandLine(arguments, out, err);
    }
    int Apply() { return Run({"apply", "--emulated", "--dir", Folder()}); }
    std::vector<std::string> TraceLines() const
    {
        std::vector<std::string> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }
    void Overwrite(const char* name, const std::string& content)
    {
        std::ofstream(folder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    testing::TemporaryFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(NorvalectlApplyTest, FactoryFolderGivesTheWholePacedSequence)
{
    ASSERT_EQ(Apply(), 0) << err.str();
    const std::vector<std::string> lines = TraceLines();
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines.front(), "0 SET_FEATURE 00 01 7C 07 00 00 00 00 7B");
    EXPECT_THAT(lines.back(), StartsWith("3262 WRITE 00 "));
    EXPECT_THAT(out.str(), Not(HasSubstr("VIOLATION")));
    EXPECT_THAT(err.str(), Not(HasSubstr("VIOLATION")));

    // Bytes 0..63 and 64..127 of the factory profile image and key matrix.
    EXPECT_THAT(lines[4], StartsWith("0 WRITE 00 FF FF 01 00"));
    EXPECT_THAT(lines[4], HasSubstr(" 00 41 00 "));
    EXPECT_THAT(lines[5], StartsWith(
              "100 WRITE 00 0F 05 0A 0A 19 19 07 03 02 01 64 64 01 C0 F0 03 01 01 04 00 0B 17 2F 47 6B 8F 90 8F "
              "00 00 00 00 00 00 01 00 7F 13 02 01 FF 00 00 00 00 FF 00 FF"));
    EXPECT_THAT(lines[7], StartsWith("210 WRITE 00 01 00 F0 00 01 00 F1 00 01 00 F2 00 0B 00 05 05 0B 05 00 00 "
                                     "07 00 01 00 07 00 02 00 08 00 04 00"));
    EXPECT_THAT(lines[8], StartsWith("310 WRITE 00 01 00 F0 00 0B 07 F1 00 0B 09 00 00 0B 08 01 00 0B 08 02 00 "
                                     "07 00 01 00 07 00 02 00"));
}

TEST_F(NorvalectlApplyTest, StoredMacroIsRebuiltAndSent)
{
    HostProfileFile profiles;
    const std::wstring store = folder.File(L"record.ini");
    profiles.WriteString(store, L"MacroName", L"MacroCount", L"1");
    profiles.WriteString(store, L"MacroName", L"0", L"Macro_1");
    profiles.WriteString(store, L"Macro_1", L"MacroLoopTimes", L"3");
    profiles.WriteString(store, L"Macro_1", L"ItemCount", L"3");
    profiles.WriteString(store, L"Macro_1", L"Item0", L"A   Dn");
    profiles.WriteString(store, L"Macro_1", L"Item1", L"120 ms");
    profiles.WriteString(store, L"Macro_1", L"Item2", L"A   Up");

    ASSERT_EQ(Apply(), 0) << err.str();
    EXPECT_THAT(TraceLines()[10], StartsWith("412 WRITE 00 00 03 0C 04 81 04 00 00"));
}

TEST_F(NorvalectlApplyTest, SavesTheCurrentProfileAsApplyDoes)
{
    Overwrite("config0.bin", std::string(1805, '\x05'));
    ASSERT_EQ(Apply(), 0) << err.str();
    std::ifstream saved(folder.path() / "config0.bin", std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    ASSERT_EQ(content.size(), 1805u);
    EXPECT_EQ(content[0], '\x01');
    EXPECT_EQ(content[1], '\x00');  // profileIndex, set to 0 by the apply
    EXPECT_EQ(content[6], '\x05');  // reportRate as loaded
}

TEST_F(NorvalectlApplyTest, DamagedFilesStillApplyWithoutViolations)
{
    const std::pair<const char*, std::string> damages[] = {
        {"config0.bin", std::string(100, '\x01')},
        {"record.ini", "\xFF\xFE[\x00Macro\x00Name]\n\x01\x02\x03=\x00="s + std::string(500, '\x9C')},
        {"record.ini", "[MacroName]\nMacroCount=2000000000\n0=M\n[M]\nItemCount=99999\nMacroLoopTimes=x\n"},
        {"str.ini", ""},
    };
    for (const auto& [name, content] : damages) {
        Overwrite(name, content);
        EXPECT_EQ(Apply(), 0) << name << ": " << err.str();
        EXPECT_EQ(TraceLines().size(), 45u) << name;
        EXPECT_THAT(out.str(), Not(HasSubstr("VIOLATION"))) << name;
    }
}

TEST_F(NorvalectlApplyTest, RefusesBadArgumentsAndMissingFolders)
{
    EXPECT_EQ(Run({"apply", "--emulated", "--dir", Folder() + "/missing"}), 2);
    EXPECT_THAT(err.str(), HasSubstr("no such folder"));
    EXPECT_EQ(Run({"apply", "--emulated", "--dir"}), 2);
    EXPECT_EQ(Run({"apply", "--emulated"}), 2);
    EXPECT_EQ(out.str(), "");

    std::filesystem::remove(folder.path() / "record.ini");
    std::filesystem::create_directory(folder.path() / "record.ini");
    EXPECT_EQ(Apply(), 2);
    EXPECT_THAT(err.str(), HasSubstr("cannot read"));

    EXPECT_EQ(Run({"apply", "--help"}), 0);
    EXPECT_THAT(out.str(), HasSubstr("norvalectl apply [--emulated] --dir DIR"));
}

}  // namespace
}  // namespace norvale
