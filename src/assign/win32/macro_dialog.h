#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "assign/macro_dialog_model.h"
#include "assign/win32/drawn_dialog.h"
#include "skin/win32/gdi_handles.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// The modal dialog that chooses a stored macro and how it repeats. The
// macros come from `macroNames`, read anew each time the list opens. DoModal
// answers IDOK or IDCANCEL; OK without a choice leaves MacroIndex negative.
class CMacroDialog : public ui::WithMessageMap<CMacroDialog, CDrawnDialog> {
public:
    using MacroNames = std::function<std::vector<std::wstring>()>;

    explicit CMacroDialog(MacroNames macroNames);
    ~CMacroDialog() override;

    static const ui::MessageMap<CMacroDialog>& Map();
    bool PreTranslateMessage(MSG& message) override;

    int MacroIndex() const { return model_.MacroIndex(); }
    std::uint8_t RepeatMode() const { return model_.RepeatMode(); }
    const std::wstring& MacroName() const { return model_.MacroName(); }

protected:
    bool OnInitDialog() override;
    PaintList Paint() const override { return model_.Paint(); }
    DrawnButtonHover& Hover() override { return model_.Hover(); }

private:
    void OpenList();
    void CloseList();
    void OnListNotice(const ui::CommandArgs& command);
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    std::intptr_t OnControlColour(const ui::Message& message);

    MacroNames macroNames_;
    MacroDialogModel model_;
    GdiObject<HBRUSH> controlBrush_;
    HWND display_ = nullptr;
    HWND list_ = nullptr;
};

}  // namespace norvale
