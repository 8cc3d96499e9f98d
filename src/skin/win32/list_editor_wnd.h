#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "skin/list_editor_model.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/edit.h"

namespace norvale {

class CListBoxEx;

// An edit field laid over one row of a list so that the row's text can be
// changed in place. It holds the mouse capture and the focus while editing;
// Esc drops the edit, Tab, Enter, a click outside and losing the focus keep
// it. Either way the list then gets WM_LEBEDIT_END (editor id, row) once,
// and the editor goes away with its window.
class CLBEditorWnd : public ui::WithMessageMap<CLBEditorWnd, ui::CEdit> {
public:
    // Starts editing the row; false when the list has no such row. The
    // editor owns itself from then on: nobody keeps or deletes it.
    static bool Open(CListBoxEx& list, int row, EditorMode mode);

    static const ui::MessageMap<CLBEditorWnd>& Map();

private:
    CLBEditorWnd(CListBoxEx& list, EditorMode mode) : list_(list), mode_(mode) {}

    bool Start(int row);
    void End(bool commit);
    // Ends the edit if the input calls for it; none lets the field handle it.
    std::optional<std::intptr_t> Carry(EditorInput input);
    bool PointerOverEditor(const ui::MouseArgs& mouse) const;

    std::optional<std::intptr_t> OnKeyDown(const ui::Message& message);
    std::optional<std::intptr_t> OnLButtonDown(const ui::Message& message);
    std::intptr_t OnLButtonUp();
    std::intptr_t OnKillFocus(const ui::Message& message);
    std::intptr_t OnGetDlgCode() { return static_cast<std::intptr_t>(kEditorDialogCode); }
    void PostNcDestroy() override { delete this; }

    CListBoxEx& list_;
    EditorMode mode_;
    ListEditor editor_;
};

}  // namespace norvale
