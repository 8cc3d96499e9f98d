#pragma once
#include <string_view>

#include "text/ui_language.h"

namespace norvale {

// What the profile list window shows and says, in one UI language; all
// empty for a language the utility does not speak.
struct ProfileListTexts {
    std::wstring_view title;
    std::wstring_view profileWord;  // first word of a new profile's name
    std::wstring_view newProfile;
    std::wstring_view deleteProfile;
    std::wstring_view edit;
    std::wstring_view copy;  // also the first word of a copy's name
    std::wstring_view load;
    std::wstring_view save;
    std::wstring_view warningCaption;
    std::wstring_view limitMessage;  // shown when New finds six profiles
};

ProfileListTexts ProfileListTextsFor(UiLanguage language);

}  // namespace norvale
