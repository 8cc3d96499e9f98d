#pragma once
#include <string>
#include <string_view>

#include "text/ui_language.h"

namespace norvale {

// The process-wide language code and text table. The main window fills them
// once during its initialisation, from the "Lan" key of the label file;
// every window reads them afterwards on the user-interface thread.
void FillUiTexts(std::wstring_view languageCode);

// The code as read, even when it names no language the utility speaks.
const std::wstring& UiLanguageCode();
UiLanguage CurrentUiLanguage();

// The text of a slot; readers that keep it copy it.
const std::wstring& UiText(int slot);

}  // namespace norvale
