#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/geometry.h"
#include "ui/message.h"

namespace norvale {

// Posted to the edited list box when an in-place edit ends, committed or
// not: wParam the editor's control id, lParam the edited row. The list box
// ignores it; owners take it from the queue before dispatch.
inline constexpr std::uint32_t WM_LEBEDIT_END = 0x464;
inline constexpr int kListEditorControlId = 1;

// Which kind of row the opener is about to edit; the opener sets it just
// before editing starts. It is a byte, and a value outside these leaves the
// row as it was on commit.
enum class EditorMode : std::uint8_t { ProfileName = 1, DelayLine = 2, MacroName = 3 };

// Delays are typed as digits; names take any text.
constexpr bool TakesDigitsOnly(EditorMode mode) { return mode == EditorMode::DelayLine; }

// Delay lines hold at most this many milliseconds.
inline constexpr int kLongestEditedDelay = 65535;

// The edit field lies over the row, a pixel wider on every side, with a
// thin border; it keeps Enter for itself and, for delays, takes only digits.
ui::Rect EditorRect(const ui::Rect& rowRect);
std::uint32_t EditorStyle(bool digitsOnly);

// Answered to WM_GETDLGCODE (DLGC_WANTALLKEYS), so that a dialog leaves
// Tab and Enter to the editor.
inline constexpr std::uintptr_t kEditorDialogCode = 0x0004;

// The row's new text when an edit of this kind is committed; none leaves
// the row unchanged. Names are taken as typed; a delay becomes its number
// (as _wtoi reads it, at most kLongestEditedDelay) followed by " ms".
std::optional<std::wstring> CommittedRowText(EditorMode mode, std::wstring_view typed);

// What a message to the editor does: the edit field handles it as usual,
// or it ends the edit with or without commit. The editor holds the mouse
// capture, so it hears of presses outside itself too.
enum class EditorInput { PassOn, Commit, Cancel };
EditorInput ClassifyEditorInput(const ui::Message& message, bool pointerOverEditor);

// How the edit ends: the row is replaced by rowText and selected (no text:
// left alone), messages still queued for the editor are dropped, notice is
// posted to the list, and the editor window is destroyed. The mouse capture
// is released first.
struct EditEnd {
    int row = 0;
    std::optional<std::wstring> rowText;
    ui::Message notice;
};

// One in-place edit of one list row, from its start to its single end.
class ListEditor {
public:
    // False when the row is not in the list: the editor then deletes
    // itself and shows nothing.
    bool Start(int row, int rowCount);

    // None once the edit has ended: ending it again (the focus leaving the
    // window being destroyed, for one) does nothing.
    std::optional<EditEnd> End(bool commit, EditorMode mode, std::wstring_view typed);

private:
    int row_ = 0;
    bool ended_ = false;
};

}  // namespace norvale
