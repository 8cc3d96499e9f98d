#include "settings/profile_transfer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "support/debug_recorder.h"
#include "file_bytes.h"
#include "temporary_folder.h"

namespace norvale {
namespace {

using namespace testing;  // the file helpers

const ButtonLabels kLabels = {L"L", L"R", L"M", L"Fn", L"Snipe", L"Up", L"Down"};

class ProfileTransferTest : public ::testing::Test {
protected:
    ProfileTransferTest()
    {
        RestoreDefaultSettings(settings);
        settings.dpiValue[0] = 33;
        settings.macroImages[11][0] = 0x42;
    }

    // The live settings of another machine, exported beside it.
    std::wstring ForeignExport(const std::wstring& name, std::function<void(Settings&)> change = {})
    {
        Settings foreign{};
        RestoreDefaultSettings(foreign);
        foreign.reportRate = 8;
        foreign.buttonKind[6] = 11;
        foreign.buttonMacroIndex[6] = 11;
        if (change) change(foreign);
        const std::wstring path = elsewhere.File(name);
        WriteBytes(path, EncodeSettingsFile(foreign));
        WriteLabelTexts(profiles, LabelPathBeside(path), L"Setting-EN", kLabels);
        return path;
    }

    testing::TemporaryFolder folder;
    testing::TemporaryFolder elsewhere;
    testing::DebugRecorder debug;
    StandardFileSystem files;
    HostProfileFile profiles;
    Settings settings{};
    SettingsFiles current{folder.File(L"Norvale.exe"), settings, files, profiles};
    ProfileTransfer transfer{current, settings, files, profiles};
};

TEST_F(ProfileTransferTest, ExportWithoutExtensionWritesBothFilesOfThePair)
{
    transfer.Export(elsewhere.File(L"backup"), L"Setting-EN", kLabels);

    EXPECT_EQ(ReadBytes(elsewhere.path() / "backup.bin"), EncodeSettingsFile(settings));
    EXPECT_EQ(ReadLabelTexts(profiles, elsewhere.File(L"backup.ini"), L"Setting-EN"), kLabels);
    EXPECT_FALSE(std::filesystem::exists(elsewhere.path() / "backup"));
    EXPECT_EQ(current.settingsFilePath(), folder.File(L"backup.bin"));
    EXPECT_EQ(current.labelFilePath(), folder.File(L"backup.ini"));
}

TEST_F(ProfileTransferTest, EveryBinOfTheNameBecomesIni)
{
    transfer.Export(elsewhere.File(L"a.bin.bin"), L"Setting-EN", kLabels);

    EXPECT_TRUE(std::filesystem::exists(elsewhere.path() / "a.bin.bin"));
    EXPECT_EQ(ReadLabelTexts(profiles, elsewhere.File(L"a.ini.ini"), L"Setting-EN"), kLabels);
    EXPECT_EQ(LabelPathBeside(L"C:\\x.bin\\p.bin"), L"C:\\x.bin\\p.ini");
}

TEST_F(ProfileTransferTest, ImportMakesTheSettingsAndLabelsOfThePairLive)
{
    const std::wstring path = ForeignExport(L"game.bin");

    const ProfileImport result = transfer.Import(path, L"Setting-EN");

    EXPECT_EQ(result.refusal, std::nullopt);
    EXPECT_EQ(result.labels, kLabels);
    EXPECT_EQ(settings.reportRate, 8);
    EXPECT_EQ(settings.dpiValue[0], 12);
    EXPECT_EQ(current.firstRunFlag, 0x01);
    EXPECT_EQ(current.settingsFilePath(), folder.File(L"game.bin"));
    EXPECT_EQ(current.labelFilePath(), folder.File(L"game.ini"));
}

TEST_F(ProfileTransferTest, FileOfAnotherSizeChangesNoSettingButGivesItsLabels)
{
    const std::wstring path = ForeignExport(L"short.bin");
    Bytes content = ReadBytes(path);
    content.pop_back();
    WriteBytes(path, content);
    const Settings before = settings;

    const ProfileImport result = transfer.Import(path, L"Setting-EN");

    EXPECT_EQ(settings, before);
    EXPECT_EQ(result.labels, kLabels);
    EXPECT_TRUE(debug.lines.empty());
}

TEST_F(ProfileTransferTest, NamesWithoutBinAndMissingFilesImportNothing)
{
    const Settings before = settings;
    const std::wstring other = elsewhere.File(L"game.dat");
    std::filesystem::copy_file(ForeignExport(L"game.bin"), other);

    EXPECT_EQ(transfer.Import(other, L"Setting-EN").labels, std::nullopt);
    EXPECT_EQ(transfer.Import(elsewhere.File(L"gone.bin"), L"Setting-EN").labels, std::nullopt);

    EXPECT_EQ(settings, before);
    EXPECT_EQ(debug.lines, std::vector<std::wstring>{L"Config file is not exist.\n"});
}

struct FaultCase {
    const char* name;
    std::function<void(Settings&)> change;
    std::optional<ImportFault> fault;
};

class ImportCheckTest : public ProfileTransferTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ImportCheckTest, RefusedFileLeavesEveryByteAsItWas)
{
    const FaultCase& fault = GetParam();
    const std::wstring path = ForeignExport(L"odd.bin", fault.change);
    const Settings before = settings;
    const std::wstring settingsPathBefore = current.settingsFilePath();

    const ProfileImport result = transfer.Import(path, L"Setting-EN");

    EXPECT_EQ(result.refusal, fault.fault);
    if (fault.fault) {
        EXPECT_EQ(std::memcmp(&settings, &before, kSettingsSize), 0);
        EXPECT_EQ(result.labels, std::nullopt);
        EXPECT_EQ(current.settingsFilePath(), settingsPathBefore);
        EXPECT_FALSE(ImportFaultMessage(*fault.fault, UiLanguage::Unknown).empty());
    } else {
        EXPECT_NE(settings, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportCheckTest,
    ::testing::Values(
        FaultCase{"HighestValuesThePagesMake",
                  [](Settings& s) {
                      s.reportRate = 1;
                      s.dpiValue.fill(216);
                      s.buttonKind = {13, 15, 16, 17, 18, 0, 10};
                  },
                  std::nullopt},
        FaultCase{"ReportRateDivisor3", [](Settings& s) { s.reportRate = 3; }, ImportFault::ReportRate},
        FaultCase{"ReportRateDivisor0", [](Settings& s) { s.reportRate = 0; }, ImportFault::ReportRate},
        FaultCase{"DpiAbove216", [](Settings& s) { s.dpiValue[6] = 217; }, ImportFault::DpiValue},
        FaultCase{"KindNeverAssigned", [](Settings& s) { s.buttonKind[2] = 14; }, ImportFault::ButtonKind},
        FaultCase{"KindBeyondTheCatalogue", [](Settings& s) { s.buttonKind[0] = 19; },
                  ImportFault::ButtonKind},
        FaultCase{"MacroIndex12", [](Settings& s) { s.buttonMacroIndex[1] = 12; }, ImportFault::MacroIndex}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImportFaultMessageTest, SpeaksTheUiLanguage)
{
    EXPECT_NE(ImportFaultMessage(ImportFault::DpiValue, UiLanguage::German),
              ImportFaultMessage(ImportFault::DpiValue, UiLanguage::English));
    EXPECT_EQ(ImportFaultMessage(ImportFault::MacroIndex, UiLanguage::Unknown),
              ImportFaultMessage(ImportFault::MacroIndex, UiLanguage::English));
    EXPECT_NE(ImportFaultMessage(ImportFault::ReportRate, UiLanguage::English),
              ImportFaultMessage(ImportFault::ButtonKind, UiLanguage::English));
}

}  // namespace
}  // namespace norvale
