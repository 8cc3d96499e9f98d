#include "encoding/apply_sequence.h"

#include <algorithm>

#include "device/device_commands.h"
#include "encoding/key_matrix.h"
#include "encoding/profile_image.h"

namespace norvale {
namespace {

// Apply always writes the profile the mouse calls 1.
constexpr std::uint8_t kAppliedDeviceProfile = 1;
// The profile image, the key matrix and the macro blocks.
constexpr std::size_t kAppliedBlockCount = 2 + kMacroCount;

// Counts the blocks sent and asks the caller's progress whether to go on.
class BlockCount {
public:
    explicit BlockCount(const ApplyProgress& progress) : progress_(progress) {}
    bool Sent(const std::string& block) { return !progress_ || progress_(block, ++sent_, kAppliedBlockCount); }

private:
    const ApplyProgress& progress_;
    std::size_t sent_ = 0;
};

bool SendMacroBlocks(const ApplyContext& context, BlockCount& blocks)
{
    DeviceStateArea& state = context.deviceState;
    const Settings& settings = context.record.live;
    for (std::size_t block = 0; block < kMacroCount; ++block) {
        std::copy_n(settings.macroImages[block].begin(), kDeviceBlockLength, state.macroStaging[block].begin());
    }
    for (std::size_t block = 0; block < kMacroCount; ++block) {
        WriteMacroBlock(context.device, static_cast<std::uint8_t>(block + 1), state.macroStaging[block]);
        if (!blocks.Sent("macro block " + std::to_string(block + 1))) return false;
    }
    return true;
}

}  // namespace

bool EncodeAndApply(const ApplyContext& context, const ButtonCaptions& captions, const ApplyProgress& progress)
{
    BlockCount blocks(progress);
    DeviceStateArea& state = context.deviceState;
    Settings& settings = context.record.live;

    for (ProfileImage& slot : state.profileImageSlots) slot.fill(0);
    SetFunctionOption(context.device, FunctionOptionBits(static_cast<std::uint8_t>(settings.functionOption0),
                                                         static_cast<std::uint8_t>(settings.functionOption1),
                                                         static_cast<std::uint8_t>(settings.functionOption2)));
    settings.profileIndex = 0;
    state.deviceProfileIndex = kAppliedDeviceProfile;
    SendApplyPreamble(context.device);
    SetReportRate(context.device, state.deviceProfileIndex, settings.reportRate);

    ProfileImage& image = state.profileImageSlots[settings.profileIndex];
    image = BuildProfileImage(settings);
    WriteProfileImage(context.device, state.deviceProfileIndex, image);
    if (!blocks.Sent("profile image")) return false;

    state.keyMatrix = BuildKeyMatrix(settings);
    WriteKeyMatrix(context.device, state.deviceProfileIndex, state.keyMatrix);
    if (!blocks.Sent("key matrix")) return false;

    if (!SendMacroBlocks(context, blocks)) return false;

    context.files.SaveSettings();
    context.files.SaveLabelTexts(captions.languageSection, captions.captions);
    return true;
}

PointerChoices PointerChoicesOf(const Settings& settings)
{
    return {settings.pointerPrecision, settings.pointerSpeed, settings.wheelPageScroll, settings.wheelLines,
            settings.doubleClickLevel};
}

}  // namespace norvale
