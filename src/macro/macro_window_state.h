#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_record.h"

namespace norvale {

// Where a recording stands: a key press before any other is the first one
// and gets no pause in front of it.
enum class RecordState { NoPressYet = 0, Pressing = 1, Stopped = 2 };

// What the macro window shows and holds, as plain data: the store operations
// read and change it, and the window only mirrors it into its controls.
struct MacroWindowState {
    std::vector<std::wstring> names;           // the macro list, in store order
    std::optional<std::size_t> selection;      // the selected list position
    std::size_t lastSelection = 0;             // the position selected last, kept across edits
    std::vector<std::wstring> lines;           // the event list of the selected macro
    std::optional<std::size_t> lineSelection;  // the selected line of the event list
    // The delay line double-clicked last: a second double-click on the same
    // line opens its editor. Kept for as long as the window object lives.
    std::size_t armedDelayLine = 0;
    std::wstring loopCountText;                // the loop-count edit
    bool loopCountChecked = false;             // the tick box, which also enables the edit
    bool recordDelays = false;                 // "Record delay between keystrokes"
    bool recording = false;                    // drives the record button's toggle
    bool recordingActive = false;              // this window installed the key capture
    RecordState recordState = RecordState::Stopped;
    // Tick count of the last recorded key event; kept from one recording to
    // the next for as long as the window lives.
    std::uint32_t lastEventTime = 0;
    // Name, loop-count text as read, then the lines as read.
    std::vector<std::wstring> selectedMacroLog;
    // Name, delay option "0"/"1", loop-count text, then the recorded lines.
    std::vector<std::wstring> recordLog;
    // The images OK hands to the settings, one per list position.
    std::array<StoredMacroImage, kMacroCount> workingImages{};
};

}  // namespace norvale
