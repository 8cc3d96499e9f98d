#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "assign/single_key_dialog_model.h"
#include "assign/win32/drawn_dialog.h"
#include "assign/win32/low_level_key_hook.h"
#include "skin/win32/gdi_handles.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// The modal dialog that asks for one key. While it is open the keyboard
// types nowhere: every key event of the desktop is taken by its hook and
// only shown by name. DoModal answers IDOK or IDCANCEL; KeyName then holds
// the last key's name, or the preset when no key was pressed.
class CSingleDialog : public ui::WithMessageMap<CSingleDialog, CDrawnDialog> {
public:
    explicit CSingleDialog(std::wstring presetName);
    ~CSingleDialog() override;

    static const ui::MessageMap<CSingleDialog>& Map();
    bool PreTranslateMessage(MSG& message) override;

    const std::wstring& KeyName() const { return model_.KeyName(); }

protected:
    bool OnInitDialog() override;
    PaintList Paint() const override { return model_.Paint(); }
    DrawnButtonHover& Hover() override { return model_.Hover(); }

private:
    bool NoteKeyEvent(const KeyEvent& event);
    void OnKeyCaptured();
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    std::intptr_t OnStaticColour(const ui::Message& message);
    void OnDestroy();

    SingleKeyDialogModel model_;
    GdiObject<HBRUSH> displayBrush_;
    HWND display_ = nullptr;
    std::wstring captured_;  // the hook's latest name, until the posted notice takes it
    std::unique_ptr<LowLevelKeyHook> hook_;
};

}  // namespace norvale
