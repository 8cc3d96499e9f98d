#include <gmock/gmock.h>

#include <filesystem>
#include <map>

#include "apply_bench.h"
#include "encoding/factory_reset.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

class RecordingPointerSettings final : public PointerSettings {
public:
    bool SetMouse(const std::array<int, 3>&) override { return true; }
    bool SetMouseSpeed(unsigned speed) override
    {
        lastSpeed = speed;
        return true;
    }
    bool SetWheelScrollLines(unsigned) override { return true; }
    bool SetDoubleClickTime(unsigned) override { return true; }
    std::optional<unsigned> lastSpeed;
};

// The factory files hold a settings file with a recognisable DPI stage and
// the factory labels; the user's settings differ from them everywhere.
class FactoryResetTest : public ApplyBench {
protected:
    FactoryResetTest()
    {
        Settings factory = FactorySettings();
        factory.dpiValue[0] = 40;
        factory.liftOffDistance = 2;
        std::string content(1, '\x01');
        content.append(reinterpret_cast<const char*>(&factory), kSettingsSize);
        CreateFile(L"config.bin", content);
        CreateFile(L"config0.bin", std::string(1805, '\x07'));
        profiles.WriteString(folder.File(L"str.ini"), L"Setting-EN", L"Item1", L"Factory left");

        record.live = FactorySettings();
        record.live.pointerSpeed = 1;
        record.live.buttonKind = {};
        record.live.profileIndex = 5;
        record.live.macroImages[3].fill(0x33);
        record.live.macroImages[11].fill(0xBB);
    }
    void ExpectKeptAndDefaulted()
    {
        EXPECT_EQ(record.live.macroImages[3][0], 0x33);
        EXPECT_EQ(record.live.macroImages[11][129], 0xBB);
        EXPECT_EQ(record.live.buttonKind, (std::array<std::uint8_t, 7>{0, 1, 2, 17, 18, 6, 6}));
        EXPECT_EQ(record.live.dpiValue[0], 12);       // defaulted over the factory file
        EXPECT_EQ(record.live.liftOffDistance, 2);    // no default: from the factory file
        EXPECT_FALSE(settingsFiles.defaultsRequested);
        EXPECT_EQ(settingsFiles.labelFilePath(), folder.File(L"str0.ini"));
    }

    std::map<std::filesystem::path, std::vector<std::uint8_t>> FolderBytes()
    {
        std::map<std::filesystem::path, std::vector<std::uint8_t>> bytes;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            bytes[entry.path().filename()] = FileBytes(entry.path().filename().wstring());
        return bytes;
    }

    RecordingPointerSettings pointerSystem;
};

TEST_F(FactoryResetTest, WithoutTheMouseChangesOnlyTheLiveSettings)
{
    link.devicePresent = 0;
    const auto before = FolderBytes();
    const ButtonLabels labels = RestoreFactorySettings(context, captions, pointerSystem);

    EXPECT_EQ(labels[0], L"Factory left");
    ExpectKeptAndDefaulted();
    EXPECT_EQ(record.live.profileIndex, 5);
    EXPECT_EQ(FileBytes(L"config0.bin"), std::vector<std::uint8_t>(1805, 0x07));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "str0.ini"));
    EXPECT_TRUE(mouse.Trace().empty());
    EXPECT_NE(record.savedSettings, record.live);
    EXPECT_FALSE(pointerSystem.lastSpeed);
    EXPECT_EQ(FolderBytes(), before);
}

TEST_F(FactoryResetTest, WithTheMouseAppliesSavesAndCommits)
{
    const ButtonLabels labels = RestoreFactorySettings(context, captions, pointerSystem);

    EXPECT_EQ(labels[0], L"Factory left");
    ExpectKeptAndDefaulted();
    EXPECT_EQ(record.live.profileIndex, 0);  // the apply encodes slot 0
    EXPECT_EQ(mouse.Trace().size(), 45u);
    EXPECT_EQ(mouse.MacroBlock(4)->at(0), 0x33);
    EXPECT_EQ(FileBytes(L"config0.bin")[1 + 7], 12);
    EXPECT_EQ(profiles.ReadString(folder.File(L"str0.ini"), L"Setting-EN", L"Item1", L""), L"Left");
    EXPECT_EQ(profiles.ReadString(folder.File(L"str.ini"), L"Setting-EN", L"Item1", L""), L"Factory left");
    EXPECT_EQ(record.savedSettings, record.live);
    EXPECT_EQ(pointerSystem.lastSpeed, 10u);
}

}  // namespace
}  // namespace norvale
