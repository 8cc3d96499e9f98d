#include "macro/macro_store.h"

#include <algorithm>

#include "macro/macro_image.h"
#include "settings/decimal_text.h"

namespace norvale {
namespace {

// The window has always paused this long after storing a whole macro.
constexpr std::uint32_t kStoreSettlePauseMs = 100;

bool IsSelected(const MacroWindowState& state)
{
    return state.selection && *state.selection < state.names.size();
}

StoredMacroImage* WorkingImage(MacroWindowState& state, std::size_t position)
{
    return position < state.workingImages.size() ? &state.workingImages[position] : nullptr;
}

std::wstring LogElement(const std::vector<std::wstring>& log, std::size_t position)
{
    return position < log.size() ? log[position] : std::wstring();
}

}  // namespace

MacroStore::MacroStore(MacroStoreFile& file, Clock& clock) : file_(file), clock_(clock) {}

void MacroStore::ListMacros(MacroWindowState& state)
{
    if (!file_.Exists()) return;
    state.names = file_.ReadMacroNames();
    if (state.names.empty()) return;
    state.selection = 0;
    OnMacroNameListSelchange(state);
}

void MacroStore::OnMacroNameListSelchange(MacroWindowState& state)
{
    if (!IsSelected(state)) return;
    if (state.recording) {
        state.recording = false;
        SaveRecordLog(state);
    }
    state.lastSelection = *state.selection;
    const std::wstring name = state.names[*state.selection];
    state.selectedMacroLog = {name};

    const std::wstring loopTimes = file_.Read(name, kLoopTimesKey);
    state.loopCountText = loopTimes;
    WriteLoopTimes(state);
    state.selectedMacroLog.push_back(loopTimes);

    const int lineCount = std::min(file_.ReadNumber(name, kItemCountKey), kMacroStoreCountLimit);
    state.lines.clear();
    for (int position = 0; position < lineCount; ++position) {
        state.lines.push_back(file_.Read(name, MacroItemKey(position)));
        state.selectedMacroLog.push_back(state.lines.back());
    }

    // Any other stored number leaves the option as the user last set it.
    const int delayOption = file_.ReadNumber(name, kDelayOptionKey);
    if (delayOption == 0 || delayOption == 1) state.recordDelays = delayOption == 1;

    state.loopCountChecked = DecimalValue(state.loopCountText) > 1;
}

void MacroStore::OnWriteMacroToIni(MacroWindowState& state)
{
    if (state.names.empty() || !file_.Exists()) return;
    file_.WriteIndex(state.names);
    if (!IsSelected(state)) return;

    const std::size_t position = *state.selection;
    if (!state.lines.empty()) {
        WriteSelectedMacro(state, state.names[position]);
        clock_.Sleep(kStoreSettlePauseMs);
        return;
    }
    file_.DeleteSection(state.names[position]);
    if (StoredMacroImage* image = WorkingImage(state, position)) {
        std::fill_n(image->begin(), kMacroImageSize, std::uint8_t{0});
    }
}

void MacroStore::SaveRecordLog(MacroWindowState& state)
{
    if (!file_.Exists() || state.recordLog.empty()) return;
    file_.WriteIndex(state.names);
    const std::vector<std::wstring>& log = state.recordLog;
    constexpr std::size_t kFirstLine = 3;
    const std::span<const std::wstring> lines =
        log.size() > kFirstLine ? std::span<const std::wstring>(log).subspan(kFirstLine)
                                : std::span<const std::wstring>();
    file_.WriteMacro(log[0], LogElement(log, 1), LogElement(log, 2), lines);
}

void MacroStore::SaveEditedMacro(MacroWindowState& state)
{
    if (state.names.empty() || !file_.Exists() || state.lastSelection >= state.names.size()) return;
    file_.WriteIndex(state.names);
    // The loop count as the edit shows it now: the user may have changed it
    // since the macro was selected.
    WriteSelectedMacro(state, state.names[state.lastSelection]);
}

void MacroStore::DeleteMacro(MacroWindowState& state)
{
    if (!IsSelected(state)) return;
    const std::size_t position = *state.selection;
    const std::wstring removed = state.names[position];
    state.names.erase(state.names.begin() + static_cast<std::ptrdiff_t>(position));
    state.lines.clear();
    state.selection = state.names.empty() ? std::nullopt
                                          : std::optional(std::min(position, state.names.size() - 1));
    file_.WriteIndex(state.names);
    file_.DeleteSection(removed);
    OnMacroNameListSelchange(state);
}

void MacroStore::WriteLoopTimes(MacroWindowState& state)
{
    if (state.names.empty()) return;
    const int typed = DecimalValue(state.loopCountText);
    const int loops = PlayableLoopCount(typed);
    if (loops != typed) state.loopCountText = L"1";
    if (!IsSelected(state)) return;
    const std::size_t position = *state.selection;
    if (StoredMacroImage* image = WorkingImage(state, position)) {
        (*image)[0] = static_cast<std::uint8_t>(loops >> 8);
        (*image)[1] = static_cast<std::uint8_t>(loops);
    }
    // Unconditional: on a fresh installation this write creates the store.
    file_.Write(state.names[position], kLoopTimesKey, std::to_wstring(loops));
}

void MacroStore::OnBnMacroSave(MacroWindowState& state)
{
    // A slot no stored macro fills is cleared, also when none is left: a
    // deleted macro must not stay in the settings and go on playing.
    for (StoredMacroImage& image : state.workingImages) image.fill(0);
    if (!file_.Exists() || state.names.empty()) return;
    EncodeStoreMacros(file_, kMacroImageDelays, state.workingImages);
}

void MacroStore::WriteSelectedMacro(const MacroWindowState& state, std::wstring_view name)
{
    file_.WriteMacro(name, state.recordDelays ? L"1" : L"0", state.loopCountText, state.lines);
}

}  // namespace norvale
