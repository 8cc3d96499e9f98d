#pragma once

namespace norvale {

// UI text slots of the catalogue's menu texts that are not a simple
// function's label. The key and macro texts also start those captions.
inline constexpr int kDpiSettingSlot = 504;
inline constexpr int kAdditionalCommandsSlot = 508;
inline constexpr int kMultimediaCommandsSlot = 509;
inline constexpr int kBasicCommandsSlot = 510;
inline constexpr int kKeyboardKeySlot = 512;
inline constexpr int kMacroSlot = 515;

}  // namespace norvale
