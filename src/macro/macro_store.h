#pragma once
#include "macro/macro_store_file.h"
#include "macro/macro_window_state.h"
#include "platform/clock.h"

namespace norvale {

// The operations of the macro window on the macro store. Every change is
// written to the store at once; the store is the master copy of the macros
// and the device images are always derived from it.
class MacroStore {
public:
    MacroStore(MacroStoreFile& file, Clock& clock);

    // The window opens: lists the stored macros and shows the first.
    void ListMacros(MacroWindowState& state);

    // Shows the macro at `state.selection`. A recording in progress ends
    // here and is saved first; the recorder's hook is the caller's to remove.
    void OnMacroNameListSelchange(MacroWindowState& state);

    // Stores the selected macro as the window shows it; a macro whose event
    // list became empty loses its section and its working image.
    void OnWriteMacroToIni(MacroWindowState& state);

    // Stores the recording kept in `state.recordLog` under its macro's name.
    void SaveRecordLog(MacroWindowState& state);

    // An in-place edit of a name or a delay line ended: stores the macro at
    // the last selected position under the name the list now holds.
    void SaveEditedMacro(MacroWindowState& state);

    // Removes the selected macro; the macros after it move up one position.
    void DeleteMacro(MacroWindowState& state);

    // The loop-count edit changed: an out-of-range count becomes "1", and the
    // count goes into the working image and the store.
    void WriteLoopTimes(MacroWindowState& state);

    // OK: rebuilds the working images from the store.
    void OnBnMacroSave(MacroWindowState& state);

private:
    void WriteSelectedMacro(const MacroWindowState& state, std::wstring_view name);

    MacroStoreFile& file_;
    Clock& clock_;
};

}  // namespace norvale
