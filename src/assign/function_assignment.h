#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "assign/dpi_item_texts.h"
#include "settings/settings_record.h"
#include "text/ui_language.h"

namespace norvale {

// Choosing a function for internal button 0 … 6 writes its kind and only the
// parameter field of that kind; the parameters of other kinds keep their
// values. Each returns the caption the button takes, in the language of the
// moment (a caption is not renamed when the language changes later), or
// nothing when nothing was assigned.

// Every menu command other than the two that need a dialog first
// (kKeyboardKeyCommand, kMacroCommand); nothing for those, for an id the
// catalogue does not know and for a button outside 0 … 6 (-1 before the
// first menu opened).
std::optional<std::wstring> AssignFunction(Settings& settings, int button, unsigned id,
                                           UiLanguage language, const DpiItemTexts& dpiTexts);

// The key dialog's starting name: the button's current key, or empty when
// it has none.
std::wstring KeyDialogPreset(const Settings& settings, int button);

// After the key dialog ended with OK. A name without a usage stores usage 0
// but is still assigned and shown.
std::optional<std::wstring> AssignKeyboardKey(Settings& settings, int button, std::wstring_view keyName,
                                              UiLanguage language);

// What the macro dialog ended with OK on; a negative position means no
// macro was chosen.
struct MacroChoice {
    int position = -1;
    std::uint8_t mode = 0;
    std::wstring_view name;
};
// Nothing is assigned for a choice without a macro.
std::optional<std::wstring> AssignMacro(Settings& settings, int button, const MacroChoice& choice,
                                        UiLanguage language);

}  // namespace norvale
