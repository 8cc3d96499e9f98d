#pragma once
#include <array>
#include <string>
#include <string_view>

#include "platform/profile_file.h"
#include "settings/settings_record.h"

namespace norvale {

// The texts of the seven function buttons, by internal button index.
using ButtonLabels = std::array<std::wstring, kButtonCount>;

// "Item1".."Item7" of the language section of a label file; missing keys
// and a missing file give empty labels.
ButtonLabels ReadLabelTexts(ProfileFile& profiles, const std::wstring& file,
                            std::wstring_view languageSection);

// Stores the labels under "Item1".."Item7"; false when the file could not be written.
bool WriteLabelTexts(ProfileFile& profiles, const std::wstring& file,
                     std::wstring_view languageSection, const ButtonLabels& labels);

}  // namespace norvale
