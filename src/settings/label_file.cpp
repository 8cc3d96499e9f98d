#include "settings/label_file.h"

namespace norvale {
namespace {

std::wstring LabelKey(std::size_t button)
{
    return L"Item" + std::to_wstring(button + 1);
}

}  // namespace

ButtonLabels ReadLabelTexts(ProfileFile& profiles, const std::wstring& file,
                            std::wstring_view languageSection)
{
    ButtonLabels labels;
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        labels[button] = profiles.ReadString(file, languageSection, LabelKey(button), L"");
    }
    return labels;
}

bool WriteLabelTexts(ProfileFile& profiles, const std::wstring& file,
                     std::wstring_view languageSection, const ButtonLabels& labels)
{
    bool written = true;
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        written = profiles.WriteString(file, languageSection, LabelKey(button), labels[button]) && written;
    }
    return written;
}

}  // namespace norvale
