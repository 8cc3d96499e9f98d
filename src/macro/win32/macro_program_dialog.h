#pragma once
#include <windows.h>

#include <string>

#include "assign/win32/drawn_dialog.h"
#include "macro/macro_recorder.h"
#include "macro/macro_store.h"
#include "macro/macro_store_file.h"
#include "macro/macro_window_model.h"
#include "macro/macro_window_state.h"
#include "macro/record_hook.h"
#include "macro/win32/system_key_capture.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "skin/win32/bitmap_btn.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/list_box_ex.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"
#include "ui/win32/edit.h"

namespace norvale {

// The macro manager: the macros of the store on the left, the selected
// macro's lines in the middle, recording and loop options on the right.
// Every change goes to the store at once; OK rebuilds the device images of
// all macros, which the main window then takes into the settings. The
// object lives as long as the main window and is run again at each opening.
class CMacroProgramDialog : public ui::WithMessageMap<CMacroProgramDialog, CDrawnDialog> {
public:
    CMacroProgramDialog(std::wstring storePath, ProfileFile& profiles, FileSystem& files, Clock& clock);
    ~CMacroProgramDialog() override;

    static const ui::MessageMap<CMacroProgramDialog>& Map();
    bool PreTranslateMessage(MSG& message) override;

    // The images OK built, one per macro slot.
    const std::array<StoredMacroImage, kMacroCount>& WorkingImages() const { return state_.workingImages; }

protected:
    bool OnInitDialog() override;
    PaintList Paint() const override { return model_->Paint(state_); }
    DrawnButtonHover& Hover() override { return model_->Hover(); }

private:
    void CreateControls();
    void ShowNames();
    void ShowLines();
    void ShowLoopCount();
    void ShowRecordButton();
    void Carry(const RecorderOutcome& outcome);
    void CarryPress(MacroWindowStep step);
    void NewMacro();
    void SelectMacro();
    void StoreAfterLineEdit(bool changed);
    bool OpenContextMenu(const MSG& message);
    void EndOfEdit(const MSG& message);

    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    void OnNameList(const ui::CommandArgs& command);
    void OnEventList(const ui::CommandArgs& command);
    void OnLineCommand(const ui::CommandArgs& command);
    void OnMacroKeyEvent(const ui::Message& message);
    std::intptr_t OnEditColour(const ui::Message& message);
    std::intptr_t OnListColour(const ui::Message& message);
    std::intptr_t OnMenuOwnerDraw(const ui::Message& message);
    void OnDestroy();

    MacroStoreFile file_;
    MacroStore store_;
    MacroWindowState state_;
    RecordHook recordHook_;
    std::unique_ptr<SystemKeyCapture> capture_;
    std::unique_ptr<MacroRecorder> recorder_;
    Clock& clock_;
    std::unique_ptr<MacroWindowModel> model_;  // made anew at each opening, in the language of the moment

    GdiObject<HBRUSH> editBrush_;
    GdiObject<HBRUSH> listBrush_;
    CListBoxEx names_;
    CListBoxEx events_;
    ui::CEdit loopCount_;
    CBitmapBtn recordButton_;
    bool showingLoopCount_ = false;  // the edit's own change notices are not the user's
};

}  // namespace norvale
