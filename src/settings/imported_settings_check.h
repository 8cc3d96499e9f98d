#pragma once
#include <optional>
#include <string_view>

#include "settings/settings_record.h"
#include "text/ui_language.h"

namespace norvale {

// A value of an imported settings file that no page can produce and that
// the next apply would send to the mouse.
enum class ImportFault { ReportRate, DpiValue, ButtonKind, MacroIndex };

// The first such value, in the order above; nothing when the settings are
// ones the pages could have made.
std::optional<ImportFault> FindImportFault(const Settings& settings);

// The message box text that says why the file was refused; English for a
// language the utility does not speak, so the box never comes up empty.
std::wstring_view ImportFaultMessage(ImportFault fault, UiLanguage language);

}  // namespace norvale
