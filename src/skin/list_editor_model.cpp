#include "skin/list_editor_model.h"

#include <algorithm>

#include "settings/decimal_text.h"

namespace norvale {

namespace {
constexpr std::uint32_t kChild = 0x40000000;       // WS_CHILD
constexpr std::uint32_t kVisible = 0x10000000;     // WS_VISIBLE
constexpr std::uint32_t kThinBorder = 0x00800000;  // WS_BORDER
constexpr std::uint32_t kWantReturn = 0x1000;      // ES_WANTRETURN
constexpr std::uint32_t kDigitsOnly = 0x2000;      // ES_NUMBER

constexpr std::uint32_t kKillFocus = 0x0008;       // WM_KILLFOCUS
constexpr std::uint32_t kKeyDown = 0x0100;         // WM_KEYDOWN
constexpr std::uint32_t kLeftButtonDown = 0x0201;  // WM_LBUTTONDOWN
constexpr std::uintptr_t kTab = 0x09;
constexpr std::uintptr_t kEnter = 0x0D;
constexpr std::uintptr_t kEscape = 0x1B;
}  // namespace

ui::Rect EditorRect(const ui::Rect& rowRect)
{
    return {rowRect.left - 1, rowRect.top - 1, rowRect.right + 1, rowRect.bottom + 1};
}

std::uint32_t EditorStyle(bool digitsOnly)
{
    return kChild | kVisible | kThinBorder | kWantReturn | (digitsOnly ? kDigitsOnly : 0);
}

std::optional<std::wstring> CommittedRowText(EditorMode mode, std::wstring_view typed)
{
    switch (mode) {
    case EditorMode::ProfileName:
    case EditorMode::MacroName:
        return std::wstring(typed);
    case EditorMode::DelayLine:
        // A pasted minus sign gets past the digits-only field; no pause is negative.
        return std::to_wstring(std::clamp(DecimalValue(typed), 0, kLongestEditedDelay)) + L" ms";
    }
    return std::nullopt;
}

EditorInput ClassifyEditorInput(const ui::Message& message, bool pointerOverEditor)
{
    switch (message.id) {
    case kKeyDown:
        if (message.wParam == kEscape) {
            return EditorInput::Cancel;
        }
        return message.wParam == kTab || message.wParam == kEnter ? EditorInput::Commit : EditorInput::PassOn;
    case kLeftButtonDown:
        return pointerOverEditor ? EditorInput::PassOn : EditorInput::Commit;
    case kKillFocus:
        return EditorInput::Commit;
    default:
        return EditorInput::PassOn;
    }
}

bool ListEditor::Start(int row, int rowCount)
{
    if (row < 0 || row >= rowCount) {
        return false;
    }
    row_ = row;
    return true;
}

std::optional<EditEnd> ListEditor::End(bool commit, EditorMode mode, std::wstring_view typed)
{
    if (ended_) {
        return std::nullopt;
    }
    ended_ = true;
    return EditEnd{row_, commit ? CommittedRowText(mode, typed) : std::nullopt,
                   ui::Message{WM_LEBEDIT_END, static_cast<std::uintptr_t>(kListEditorControlId), row_}};
}

}  // namespace norvale
