#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace norvale {
namespace {

std::array<std::uint8_t, kSettingsSize> BytesOf(const Settings& settings)
{
    std::array<std::uint8_t, kSettingsSize> bytes;
    std::memcpy(bytes.data(), &settings, kSettingsSize);
    return bytes;
}

Settings Filled(std::uint8_t value)
{
    Settings settings;
    std::memset(&settings, value, kSettingsSize);
    return settings;
}

TEST(SettingsRecord, DefaultsWriteTheFactoryBytes)
{
    Settings settings = Filled(0xAA);
    RestoreDefaultSettings(settings);
    const auto bytes = BytesOf(settings);

    const std::array<std::uint8_t, 105> expected = {
        0xAA,                                      // profileIndex kept
        1, 1, 1, 1, 2, 3,                          // reserved1, reportRate, reserved6
        12, 24, 48, 72, 108, 144, 216,             // dpiValue
        1, 1, 1, 1, 1, 1, 1,                       // dpiStageEnabled
        0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00,
        0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0xFF,  // dpiColor
        1, 3, 4, 2, 2, 1,                          // lightA*
        3, 4, 2, 2,                                // lightB*
        1,                                         // lightLevel
        0xAA, 0xAA, 0xAA,                          // auxColor kept
        0,                                         // lightOption56
        0xAA, 0xAA, 0xAA,                          // 57..59 kept
        1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,        // functionOption0..2
        6, 0, 6, 3, 6, 5, 0, 0,                    // 72..79
        5, 5,                                      // sensitivityX, Y
        0xAA,                                      // liftOffDistance kept
        0, 1, 2, 17, 18, 6, 6,                     // buttonKind
        0, 0, 0, 0, 1, 2, 0,                       // reserved90
        0, 3, 2, 0, 0, 1, 2, 0,                    // buttonDpiAction and byte 104
    };
    for (std::size_t offset = 0; offset < expected.size(); ++offset) {
        EXPECT_EQ(bytes[offset], expected[offset]) << "offset " << offset;
    }
    for (std::size_t offset = 105; offset < 241; ++offset) {
        EXPECT_EQ(bytes[offset], 0) << "parameter row byte " << offset;
    }
    for (std::size_t offset = 241; offset < kSettingsSize; ++offset) {
        EXPECT_EQ(bytes[offset], 0xAA) << "macro image byte " << offset;
    }
}

TEST(SettingsRecord, NamedFieldsSitAtTheirFileOffsets)
{
    Settings settings{};
    settings.functionOption1 = 0x04030201;
    settings.buttonMediaCode[3] = 0xCD;
    settings.buttonMacroMode[6] = 0x22;
    settings.macroImages[11][129] = 0x33;
    const auto bytes = BytesOf(settings);

    EXPECT_EQ(bytes[64], 0x01);
    EXPECT_EQ(bytes[67], 0x04);
    EXPECT_EQ(bytes[116], 0xCD);
    EXPECT_EQ(bytes[239], 0x22);
    EXPECT_EQ(bytes[1800], 0x33);
    EXPECT_EQ(static_cast<std::uint32_t>(settings.functionOption1), 0x04030201u);
}

TEST(SettingsRecord, RevertBringsBackTheLastCommit)
{
    SettingsRecord record;
    RestoreDefaultSettings(record.live);
    record.live.macroImages[4][0] = 7;
    CommitSettings(record);
    const Settings committed = record.live;

    record.live.buttonKind[2] = 11;
    record.live.buttonMacroIndex[2] = 4;
    record.live.dpiValue[0] = 99;
    record.live.macroImages[4][0] = 0;
    RevertSettings(record);

    EXPECT_EQ(record.live, committed);
    EXPECT_EQ(record.savedSettings, committed);
}

}  // namespace
}  // namespace norvale
