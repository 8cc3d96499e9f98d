// The function menu of a mouse button and what its choices do: the main
// window opens the menu beside the button's function button and stores the
// chosen function in the live settings, with the button's new caption.
#include "app/win32/mouse_configuration_dlg.h"
#include "assign/click_rule.h"
#include "assign/function_assignment.h"
#include "assign/function_commands.h"
#include "assign/win32/function_menu_popup.h"
#include "assign/win32/macro_dialog.h"
#include "assign/win32/single_dialog.h"
#include "macro/macro_store_file.h"
#include "text/ui_texts.h"

namespace norvale {

void CMouseConfigurationDlg::ShowFunctionMenu(int button)
{
    if (DecideFunctionMenu(TheSettingsRecord().live, button) == FunctionMenuOpening::KeepLastClick) {
        MessageBoxW(Handle(), UiText(kLastClickMessageSlot).c_str(), UiText(kLastClickCaptionSlot).c_str(), MB_OK);
        NoteButtonHover();
        CarrySelection(model_.selection.EndMenuSelection(button));
        return;
    }
    RECT place{};
    GetWindowRect(controls_.FunctionButton(button).Handle(), &place);
    TrackFunctionMenu(Handle(), font_.Get(), FunctionMenus(CurrentUiLanguage(), dpiItemTexts_),
                      FunctionMenuAnchor({place.left, place.top, place.right, place.bottom}));
    NoteButtonHover();
    CarrySelection(model_.selection.EndMenuSelection(button));
    model_.menuButton = button;
}

void CMouseConfigurationDlg::OnAssignFunction(const ui::CommandArgs& command)
{
    const int button = model_.menuButton;
    if (button < 0 || button >= kFunctionButtonCount) return;
    Settings& live = TheSettingsRecord().live;
    std::optional<std::wstring> caption;
    if (command.id == kKeyboardKeyCommand) {
        CSingleDialog dialog(KeyDialogPreset(live, button));
        if (dialog.DoModal(Handle()) == IDOK) {
            caption = AssignKeyboardKey(live, button, dialog.KeyName(), CurrentUiLanguage());
        }
    } else if (command.id == kMacroCommand) {
        CMacroDialog dialog([this] {
            return MacroStoreFile(settingsFiles_.macroStorePath(), profileFile_, fileSystem_).ReadMacroNames();
        });
        if (dialog.DoModal(Handle()) == IDOK) {
            caption = AssignMacro(live, button, {dialog.MacroIndex(), dialog.RepeatMode(), dialog.MacroName()},
                                  CurrentUiLanguage());
        }
    } else {
        caption = AssignFunction(live, button, command.id, CurrentUiLanguage(), dpiItemTexts_);
    }
    if (!caption) return;
    CBitmapBtn& control = controls_.FunctionButton(button);
    control.SetCaption(std::move(*caption));
    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    StoreButtonLabel(button);
}

}  // namespace norvale
