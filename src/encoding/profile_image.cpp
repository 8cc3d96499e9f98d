#include "encoding/profile_image.h"

#include <optional>

namespace norvale {

const ProfileImage kProfileImageTemplate = {
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //   0
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //  16
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //  32
    0x1E, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //  48
    0x0F, 0x05, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0x03, 0x02, 0x01, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03,  //  64
    0x01, 0x01, 0x04, 0x00, 0x0B, 0x17, 0x2F, 0x47, 0x6B, 0x8F, 0x6B, 0x8F, 0x00, 0x00, 0x00, 0x00,  //  80
    0x00, 0x00, 0x01, 0x00, 0xFF, 0x13, 0x02, 0x01, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF,  //  96
    0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,  // 112
};

namespace {

// Bytes every apply sets to the same value, whatever the template holds.
struct FixedByte {
    std::size_t offset;
    std::uint8_t value;
};
constexpr FixedByte kFixedBytes[] = {{2, 0x01}, {49, 0x41}, {64, 0x0F}, {70, 0x07}};

constexpr std::size_t kAngleSnappingByte = 48;
constexpr std::size_t kGroupBEffectByte = 71;
constexpr std::size_t kSensitivityXByte = 74;
constexpr std::size_t kSensitivityYByte = 75;
constexpr std::size_t kLiftOffByte = 82;
constexpr std::size_t kLightLevelByte = 83;
constexpr std::size_t kDpiCodeByte = 84;
constexpr std::size_t kDpiRangeByte = 92;
constexpr std::size_t kStageMaskByte = 100;
constexpr std::size_t kGroupAEffectByte = 101;
constexpr std::size_t kDpiColorByte = 104;
constexpr std::size_t kAuxColorByte = 125;

// DPI values above this use the upper range of the sensor.
constexpr std::uint8_t kLowRangeTop = 144;

enum LightEffect : std::uint8_t { kOff = 0, kStandard = 1, kRespiration = 2, kNeon = 3 };

struct LightGroup {
    std::uint8_t effect;
    std::uint8_t speed;
    std::uint8_t respiration;
    std::uint8_t neon;
};

// The two bytes after a group's effect byte; an empty side keeps the template.
struct GroupParameters {
    std::optional<std::uint8_t> parameter;
    std::optional<std::uint8_t> kind;
};

// Only "Standard" at speed 1 differs between the groups: group A sends its
// own pair for it, group B turns the effect off and keeps the template.
GroupParameters ParametersOf(const LightGroup& group, bool groupA)
{
    switch (group.effect) {
    case kOff: return {0, std::nullopt};
    case kStandard:
        if (group.speed == 1) return groupA ? GroupParameters{5, 3} : GroupParameters{};
        return {static_cast<std::uint8_t>(6 - group.speed), 3};
    case kRespiration: return {group.respiration, groupA ? std::uint8_t{2} : std::uint8_t{3}};
    case kNeon: return {group.neon, std::nullopt};
    default: return {};
    }
}

void WriteGroupParameters(ProfileImage& image, std::size_t effectByte, const GroupParameters& parameters)
{
    if (parameters.parameter) image[effectByte + 1] = *parameters.parameter;
    if (parameters.kind) image[effectByte + 2] = *parameters.kind;
}

void WriteLighting(ProfileImage& image, const Settings& settings)
{
    const LightGroup groupA{settings.lightAMode, settings.lightASpeed, settings.lightAParam2,
                            settings.lightAParam3};
    const LightGroup groupB{settings.lightBMode, settings.lightBSpeed, settings.lightBParam2,
                            settings.lightBParam3};

    image[kGroupAEffectByte] =
        static_cast<std::uint8_t>(groupA.effect | (settings.lightAFlag == 1 ? 0x10 : 0x00));
    WriteGroupParameters(image, kGroupAEffectByte, ParametersOf(groupA, true));

    const bool groupBDark = groupB.effect == kStandard && groupB.speed == 1;
    image[kGroupBEffectByte] = groupBDark ? std::uint8_t{0} : groupB.effect;
    WriteGroupParameters(image, kGroupBEffectByte, ParametersOf(groupB, false));
}

void WriteDpiStages(ProfileImage& image, const Settings& settings)
{
    std::uint8_t stageMask = 0;
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const std::uint8_t value = settings.dpiValue[stage];
        const bool upperRange = value > kLowRangeTop;
        image[kDpiCodeByte + stage] = static_cast<std::uint8_t>(upperRange ? value - 72 : value - 1);
        image[kDpiRangeByte + stage] = upperRange ? 1 : 0;
        if (settings.dpiStageEnabled[stage] != 0) stageMask |= static_cast<std::uint8_t>(1u << stage);

        const Rgb& color = settings.dpiColor[stage];
        image[kDpiColorByte + 3 * stage] = color.red;
        image[kDpiColorByte + 3 * stage + 1] = color.green;
        image[kDpiColorByte + 3 * stage + 2] = color.blue;
    }
    image[kStageMaskByte] = stageMask;
}

}  // namespace

ProfileImage BuildProfileImage(const Settings& settings)
{
    ProfileImage image = kProfileImageTemplate;
    for (const FixedByte& fixed : kFixedBytes) image[fixed.offset] = fixed.value;
    image[kAngleSnappingByte] = settings.angleSnapping != 0 ? 0x08 : 0x00;
    image[kSensitivityXByte] = static_cast<std::uint8_t>(20 * settings.sensitivityX);
    image[kSensitivityYByte] = static_cast<std::uint8_t>(20 * settings.sensitivityY);
    image[kLiftOffByte] = settings.liftOffDistance;
    image[kLightLevelByte] = static_cast<std::uint8_t>(settings.lightLevel - 1);
    WriteLighting(image, settings);
    WriteDpiStages(image, settings);
    image[kAuxColorByte] = settings.auxColor.red;
    image[kAuxColorByte + 1] = settings.auxColor.green;
    image[kAuxColorByte + 2] = settings.auxColor.blue;
    return image;
}

}  // namespace norvale
