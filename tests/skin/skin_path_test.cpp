#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "skin/skin_path.h"

namespace norvale {
namespace {

namespace fs = std::filesystem;

// A module directory with a Skins folder holding a few files.
class SkinFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() /
                (std::string("norvale-skin-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        for (const char* file : {"Skins/USBReportRate/500HZ.png", "Skins/Lighting/BK_Lighting.png",
                                 "Skins/ItemBK.png", "Skins/Enable.png", "Skins/Mouse/Front/F-1-normal.png",
                                 "Skins/MacroManagement/Record-normal.png", "Skins/BK_MainLeft.png"}) {
            fs::create_directories((root_ / file).parent_path());
            std::ofstream(root_ / file) << "png";
        }
        moduleDirectory_ = root_.wstring() + L"/";
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Resolved(std::wstring_view relative) const
    {
        return fs::path(ResolveSkinPath(JoinSkinPath(moduleDirectory_, relative)));
    }
    fs::path File(const char* relative) const { return root_ / relative; }

    fs::path root_;
    std::wstring moduleDirectory_;
};

TEST_F(SkinFolder, EveryWayTheWindowsSpellAPathFindsTheFile)
{
    const struct {
        std::wstring relative;
        const char* file;
    } cases[] = {
        {L"Skins\\Lighting\\BK_Lighting.png", "Skins/Lighting/BK_Lighting.png"},
        {L"skins/Lighting/BK_Lighting.png", "Skins/Lighting/BK_Lighting.png"},
        {L"\\skins\\ItemBK.png", "Skins/ItemBK.png"},
        {L"/Skins/BK_MainLeft.png", "Skins/BK_MainLeft.png"},
        {L"\\skins/MacroManagement/Record-normal.png", "Skins/MacroManagement/Record-normal.png"},
        {L"Skins\\" L"/USBReportRate/500HZ.png", "Skins/USBReportRate/500HZ.png"},
        {L"skins\\" L"/USBReportRate/500hz.PNG", "Skins/USBReportRate/500HZ.png"},
        {L"Skins" L"/Mouse/Front/F-1-normal.png", "Skins/Mouse/Front/F-1-normal.png"},
        {L"Skins/Enable.png", "Skins/Enable.png"},
    };
    for (const auto& c : cases) {
        const fs::path resolved = Resolved(c.relative);
        EXPECT_TRUE(fs::exists(resolved)) << resolved;
        EXPECT_TRUE(fs::equivalent(resolved, File(c.file))) << resolved;
    }
}

TEST_F(SkinFolder, AMissingFileComesBackNormalisedAndStillMissing)
{
    const fs::path resolved = Resolved(L"Skins\\\\Lighting//Gone.png");
    EXPECT_FALSE(fs::exists(resolved));
    EXPECT_EQ(resolved, root_ / "Skins" / "Lighting" / "Gone.png");
}

TEST(SkinPath, JoiningIsPlainConcatenation)
{
    EXPECT_EQ(JoinSkinPath(L"C:\\Tools\\Mouse\\", L"/skins/main.png"), L"C:\\Tools\\Mouse\\/skins/main.png");
    EXPECT_EQ(JoinSkinPath(L"C:\\Tools\\Mouse\\", L"Skins"), L"C:\\Tools\\Mouse\\Skins");
}

TEST(SkinPath, TheModuleDirectoryKeepsDriveFolderAndFinalSeparator)
{
    EXPECT_EQ(DirectoryOfExecutable(L"C:\\Tools\\Mouse\\Norvale.exe"), L"C:\\Tools\\Mouse\\");
    EXPECT_EQ(DirectoryOfExecutable(L"C:\\Norvale.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfExecutable(L"\\\\server\\share\\Norvale.exe"), L"\\\\server\\share\\");
    EXPECT_EQ(DirectoryOfExecutable(L"C:Norvale.exe"), L"C:");
    EXPECT_EQ(DirectoryOfExecutable(L""), L"");
}

}  // namespace
}  // namespace norvale
