#include <gtest/gtest.h>

#include <functional>

#include "encoding/profile_image.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

TEST(ProfileImageTest, FactorySettings)
{
    const ProfileImage expected = {
        0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x41, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x0F, 0x05, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0x03, 0x02, 0x01, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03,
        0x01, 0x01, 0x03, 0x00, 0x0B, 0x17, 0x2F, 0x47, 0x6B, 0x8F, 0x90, 0x8F, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x7F, 0x13, 0x02, 0x01, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF,
        0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0xFF, 0x0A, 0x14, 0x1E,
    };
    EXPECT_EQ(BuildProfileImage(FactorySettings()), expected);
}

TEST(ProfileImageTest, DpiCodeAndRangeAtTheRangeBorder)
{
    struct Case {
        std::uint8_t value;
        std::uint8_t code;
        std::uint8_t range;
    };
    for (const Case c : {Case{144, 0x8F, 0}, {145, 0x49, 1}, {216, 0x90, 1}, {12, 0x0B, 0}, {1, 0x00, 0}}) {
        Settings settings = FactorySettings();
        settings.dpiValue[3] = c.value;
        const ProfileImage image = BuildProfileImage(settings);
        EXPECT_EQ(image[87], c.code) << int(c.value);
        EXPECT_EQ(image[95], c.range) << int(c.value);
    }
}

struct ImageCase {
    const char* what;
    std::function<void(Settings&)> change;
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
};

TEST(ProfileImageTest, SettingsReachTheirBytes)
{
    const ImageCase cases[] = {
        {"B standard at speed 1 is dark, template parameters",
         [](Settings& s) { s.lightBMode = 1, s.lightBSpeed = 1, s.lightBParam3 = 6; },
         {{71, 0x00}, {72, 0x02}, {73, 0x01}}},
        {"B standard at speed 4", [](Settings& s) { s.lightBMode = 1, s.lightBSpeed = 4; },
         {{71, 0x01}, {72, 0x02}, {73, 0x03}}},
        {"B respiration", [](Settings& s) { s.lightBMode = 2, s.lightBParam2 = 5; },
         {{71, 0x02}, {72, 0x05}, {73, 0x03}}},
        {"B off", [](Settings& s) { s.lightBMode = 0; }, {{71, 0x00}, {72, 0x00}, {73, 0x01}}},
        {"B finger tapping keeps the template", [](Settings& s) { s.lightBMode = 4, s.lightBParam3 = 6; },
         {{71, 0x04}, {72, 0x02}, {73, 0x01}}},
        {"A standard at speed 1", [](Settings& s) { s.lightAMode = 1, s.lightASpeed = 1; },
         {{101, 0x11}, {102, 0x05}, {103, 0x03}}},
        {"A standard at speed 6, independent",
         [](Settings& s) { s.lightAMode = 1, s.lightASpeed = 6, s.lightAFlag = 3; },
         {{101, 0x01}, {102, 0x00}, {103, 0x03}}},
        {"A respiration", [](Settings& s) { s.lightAMode = 2, s.lightAParam2 = 6; },
         {{101, 0x12}, {102, 0x06}, {103, 0x02}}},
        {"A neon", [](Settings& s) { s.lightAMode = 3, s.lightAParam3 = 4; },
         {{101, 0x13}, {102, 0x04}, {103, 0x01}}},
        {"A off", [](Settings& s) { s.lightAMode = 0; }, {{101, 0x10}, {102, 0x00}, {103, 0x01}}},
        {"A finger tapping", [](Settings& s) { s.lightAMode = 4; }, {{101, 0x14}, {102, 0x02}, {103, 0x01}}},
        {"angle snapping", [](Settings& s) { s.angleSnapping = 1; }, {{48, 0x08}}},
        {"sensitivity", [](Settings& s) { s.sensitivityX = 11, s.sensitivityY = 1; }, {{74, 0xDC}, {75, 0x14}}},
        {"light level", [](Settings& s) { s.lightLevel = 6; }, {{83, 0x05}}},
        {"stages 1 and 7 only", [](Settings& s) { s.dpiStageEnabled = {1, 0, 0, 0, 0, 0, 1}; }, {{100, 0x41}}},
        {"stage colour", [](Settings& s) { s.dpiColor[6] = {1, 2, 3}; }, {{122, 1}, {123, 2}, {124, 3}}},
    };
    for (const ImageCase& c : cases) {
        Settings settings = FactorySettings();
        c.change(settings);
        const ProfileImage image = BuildProfileImage(settings);
        for (const auto& [offset, value] : c.bytes) {
            EXPECT_EQ(image[offset], value) << c.what << ", byte " << offset;
        }
    }
}

}  // namespace
}  // namespace norvale
