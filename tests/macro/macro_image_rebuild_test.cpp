#include <gtest/gtest.h>

#include "macro/macro_image_rebuild.h"
#include "macro_store_fixture.h"
#include "support/debug_recorder.h"

namespace norvale {
namespace {

class MacroImageRebuildTest : public MacroStoreFixture {
protected:
    MacroImageRebuildTest() { ConnectMacroImageRebuild(settingsFiles, settings, profiles, files); }

    testing::DebugRecorder debug;
    Settings settings{};
    SettingsFiles settingsFiles{folder.File(L"Norvale.exe"), settings, files, profiles};
};

TEST_F(MacroImageRebuildTest, EverySettingsLoadRebuildsTheListedPositions)
{
    Store({{L"First", L"2", {L"A   Dn", L"120 ms", L"A   Up"}}});
    settings.macroImages[0].fill(0xEE);
    settings.macroImages[1].fill(0xEE);
    settingsFiles.LoadSettings();

    const StoredMacroImage expected = {0x00, 0x02, 0x0C, 0x04, 0x81, 0x04};
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 128, settings.macroImages[0].begin()));
    EXPECT_EQ(settings.macroImages[1][0], 0xEE);
}

TEST_F(MacroImageRebuildTest, WithoutAStoreTheImagesStay)
{
    settings.macroImages[0].fill(0xEE);
    settingsFiles.LoadSettings();
    EXPECT_EQ(settings.macroImages[0][0], 0xEE);
}

}  // namespace
}  // namespace norvale
