#pragma once
#include <string>

#include "macro/key_capture.h"
#include "macro/macro_store.h"
#include "macro/macro_window_state.h"
#include "macro/record_hook.h"
#include "platform/clock.h"

namespace norvale {

// What the macro window still has to carry out after a recorder operation.
struct RecorderOutcome {
    // The record button's caption (Stop or Start Recording) and its hover
    // picture follow `recording` again; redraw it.
    bool recordButtonChanged = false;
    // A line was added: select the last line so the list scrolls to it.
    bool lineAdded = false;
    // Text for a message box; empty when there is nothing to report.
    std::wstring message;
};

// The macro window's side of recording: turns the key events the hook took
// away into lines of the selected macro, with the pause before each when
// delays are recorded, and stores them when the recording stops.
class MacroRecorder {
public:
    MacroRecorder(MacroStore& store, RecordHook& hook, KeyCapture& capture, Clock& clock);

    // Starts recording into the selected macro; its event list starts empty.
    RecorderOutcome StartRecording(MacroWindowState& state);

    // Stops a recording this window started and stores the selected macro.
    RecorderOutcome StopRecording(MacroWindowState& state);

    // The hook took a key away. The 63rd event of a recording stops it
    // instead of being recorded.
    RecorderOutcome OnMacroKeyEvent(MacroWindowState& state, KeyTransition transition);

    // Another macro was selected: a recording in progress stops and is
    // stored under the macro it was started on; then the new macro shows.
    RecorderOutcome OnMacroNameListSelchange(MacroWindowState& state);

private:
    void AddLine(MacroWindowState& state, std::wstring line);
    void EndCapture(MacroWindowState& state);

    MacroStore& store_;
    RecordHook& hook_;
    KeyCapture& capture_;
    Clock& clock_;
};

}  // namespace norvale
