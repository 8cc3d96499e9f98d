#include "assign/function_assignment.h"

#include <algorithm>
#include <span>

#include "assign/fixed_function_lists.h"
#include "assign/function_commands.h"
#include "assign/function_text_slots.h"
#include "assign/key_names.h"
#include "assign/simple_functions.h"
#include "settings/button_function_kind.h"
#include "text/ui_text_catalog.h"

namespace norvale {
namespace {

// A fixed list together with the kind it assigns and the field its codes go to.
struct ListFunction {
    std::span<const FixedListEntry> list;
    ButtonFunctionKind kind;
    ButtonRow Settings::*field;
};

bool IsButton(int button) { return button >= 0 && button < static_cast<int>(kButtonCount); }

void SetKind(Settings& settings, int button, ButtonFunctionKind kind)
{
    settings.buttonKind[button] = static_cast<std::uint8_t>(kind);
}

std::optional<std::wstring> AssignFromList(Settings& settings, int button, unsigned id, UiLanguage language)
{
    const ListFunction lists[] = {
        {WindowsCommandList(), ButtonFunctionKind::WindowsCommand, &Settings::buttonWindowsCommand},
        {MultimediaList(), ButtonFunctionKind::Multimedia, &Settings::buttonMediaCode},
        {ShortcutList(), ButtonFunctionKind::ShortcutCommand, &Settings::buttonShortcutKey},
    };
    for (const ListFunction& function : lists) {
        const auto entry = std::ranges::find(function.list, id, &FixedListEntry::id);
        if (entry == function.list.end()) continue;
        SetKind(settings, button, function.kind);
        (settings.*function.field)[button] = entry->code;
        return std::wstring(FixedListText(*entry, language));
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::wstring> AssignFunction(Settings& settings, int button, unsigned id,
                                           UiLanguage language, const DpiItemTexts& dpiTexts)
{
    if (!IsButton(button)) return std::nullopt;
    if (const SimpleFunction* function = FindSimpleFunction(id)) {
        SetKind(settings, button, function->kind);
        return std::wstring(SimpleFunctionLabel(*function, language));
    }
    if (id >= kFirstDpiCommand && id - kFirstDpiCommand < dpiTexts.text.size()) {
        const unsigned item = id - kFirstDpiCommand;
        SetKind(settings, button, ButtonFunctionKind::DpiSwitch);
        settings.buttonDpiAction[button] = static_cast<std::uint8_t>(item + 1);
        return dpiTexts.text[item];
    }
    return AssignFromList(settings, button, id, language);
}

std::wstring KeyDialogPreset(const Settings& settings, int button)
{
    if (!IsButton(button) || settings.buttonKeyCode[button] == 0) return {};
    return UsageToKeyName(settings.buttonKeyCode[button]);
}

std::optional<std::wstring> AssignKeyboardKey(Settings& settings, int button, std::wstring_view keyName,
                                              UiLanguage language)
{
    if (!IsButton(button)) return std::nullopt;
    settings.buttonKeyCode[button] = KeyNameToUsage(keyName);
    SetKind(settings, button, ButtonFunctionKind::KeyboardKey);
    return std::wstring(UiTextIn(language, kKeyboardKeySlot)) + L"-" + std::wstring(keyName);
}

std::optional<std::wstring> AssignMacro(Settings& settings, int button, const MacroChoice& choice,
                                        UiLanguage language)
{
    if (!IsButton(button) || choice.position < 0) return std::nullopt;
    settings.buttonMacroIndex[button] = static_cast<std::uint8_t>(choice.position);
    settings.buttonMacroMode[button] = choice.mode;
    SetKind(settings, button, ButtonFunctionKind::Macro);
    return std::wstring(UiTextIn(language, kMacroSlot)) + L":" + std::wstring(choice.name);
}

}  // namespace norvale
