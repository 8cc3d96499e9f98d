#include "macro/macro_recorder.h"

#include <cstdint>
#include <utility>

#include "macro/macro_line.h"

namespace norvale {
namespace {

// Key events one recording takes; the next one stops it.
constexpr int kMaxRecordedKeyEvents = 62;

RecorderOutcome RecordButtonChange(bool changed)
{
    RecorderOutcome outcome;
    outcome.recordButtonChanged = changed;
    return outcome;
}

RecorderOutcome LineAdded()
{
    RecorderOutcome outcome;
    outcome.lineAdded = true;
    return outcome;
}

RecorderOutcome InstallFailure(std::uint32_t errorCode)
{
    RecorderOutcome outcome;
    outcome.message = L"JournalRecordHook Install error code :" + std::to_wstring(errorCode) + L"\n";
    return outcome;
}

}  // namespace

MacroRecorder::MacroRecorder(MacroStore& store, RecordHook& hook, KeyCapture& capture, Clock& clock)
    : store_(store), hook_(hook), capture_(capture), clock_(clock)
{
}

RecorderOutcome MacroRecorder::StartRecording(MacroWindowState& state)
{
    if (!state.selection || *state.selection >= state.names.size()) return {};
    state.recordLog = {state.names[*state.selection], state.recordDelays ? L"1" : L"0", state.loopCountText};
    hook_.ResetPostedKeyCount();
    capture_.Remove();
    state.lines.clear();
    if (!capture_.Install()) {
        // The store keeps the macro's lines until it is next saved.
        return InstallFailure(capture_.InstallError());
    }
    state.recordingActive = true;
    state.recordState = RecordState::NoPressYet;
    state.recording = true;
    return RecordButtonChange(true);
}

RecorderOutcome MacroRecorder::StopRecording(MacroWindowState& state)
{
    hook_.ResetPostedKeyCount();
    if (!state.recordingActive || !capture_.Installed()) return {};
    EndCapture(state);
    state.recording = false;
    store_.OnWriteMacroToIni(state);
    return RecordButtonChange(true);
}

RecorderOutcome MacroRecorder::OnMacroKeyEvent(MacroWindowState& state, KeyTransition transition)
{
    if (hook_.PostedKeyCount() > kMaxRecordedKeyEvents) return StopRecording(state);
    const std::wstring& name = hook_.LastKeyName();
    std::wstring keyLine = transition == KeyTransition::Press ? PressLine(name) : ReleaseLine(name);

    if (transition == KeyTransition::Press && state.recordState == RecordState::NoPressYet) {
        AddLine(state, std::move(keyLine));
        state.lastEventTime = clock_.TickCount();
        state.recordState = RecordState::Pressing;
        return LineAdded();
    }
    const std::uint32_t now = clock_.TickCount();
    // Unsigned, so the pause stays right when the tick count wraps.
    if (state.recordDelays) AddLine(state, DelayLine(static_cast<int>(now - state.lastEventTime)));
    AddLine(state, std::move(keyLine));
    state.lastEventTime = now;
    return LineAdded();
}

RecorderOutcome MacroRecorder::OnMacroNameListSelchange(MacroWindowState& state)
{
    const bool wasRecording = state.recording;
    // The store turns `recording` off and saves the recordLog itself.
    if (wasRecording) EndCapture(state);
    store_.OnMacroNameListSelchange(state);
    return RecordButtonChange(wasRecording);
}

void MacroRecorder::AddLine(MacroWindowState& state, std::wstring line)
{
    state.recordLog.push_back(line);
    state.lines.push_back(std::move(line));
}

void MacroRecorder::EndCapture(MacroWindowState& state)
{
    capture_.Remove();
    state.recordState = RecordState::Stopped;
    state.recordingActive = false;
}

}  // namespace norvale
