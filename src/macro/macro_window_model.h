#pragma once
#include <string_view>
#include <vector>

#include "assign/drawn_button_hover.h"
#include "macro/macro_window_state.h"
#include "macro/macro_window_texts.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

inline constexpr std::wstring_view kMacroWindowBackgroundFile = L"skins\\/MacroManagement/MacroManagement.png";
// Worded as the other dialogs word it: "error", and the caption saying which.
inline constexpr std::wstring_view kMacroWindowLoadFailedText = L"error";
inline constexpr std::wstring_view kMacroWindowLoadFailedCaption = L"Macro Manager Dialog Load background image failed!!!";

// The controls of the macro window and where they sit.
inline constexpr int kMacroNameListId = 151;
inline constexpr ui::Rect kMacroNameListRect{21, 82, 130, 353};
inline constexpr int kMacroEventListId = 1006;
inline constexpr ui::Rect kMacroEventListRect{153, 82, 262, 353};
inline constexpr int kLoopCountEditId = 149;
inline constexpr ui::Rect kLoopCountEditRect{298, 333, 379, 345};
inline constexpr ui::Rect kRecordButtonRect{295, 87, 384, 111};

// The event list's context menu.
inline constexpr unsigned kDeleteLineCommand = 32771;
inline constexpr unsigned kInsertLeftButtonCommand = 32772;
inline constexpr unsigned kInsertMiddleButtonCommand = 32773;
inline constexpr unsigned kInsertRightButtonCommand = 32774;
inline constexpr unsigned kInsertDelayCommand = 32786;
inline constexpr int kContextMenuItemWidth = 140;

// What a left-button press in the macro window makes it do, in this order.
enum class MacroWindowStep {
    StopRecording,
    StoreSelectedMacro,  // OnWriteMacroToIni
    BuildImages,         // OnBnMacroSave
    EndOk,
    EndCancel,
    ToggleDelayOption,
    ToggleLoopOption,  // and enable the loop-count edit exactly when it is on
    NewMacro,
    DeleteMacro,
    Drag,  // a press outside every area moves the window
};

// The macro window's painted parts: its five drawn buttons (close, OK,
// Cancel, New, Delete), two tick boxes and texts.
class MacroWindowModel {
public:
    explicit MacroWindowModel(std::wstring_view languageCode);

    const MacroWindowTexts& Texts() const { return texts_; }
    DrawnButtonHover& Hover() { return hover_; }

    std::vector<MacroWindowStep> Press(ui::Point point) const;
    PaintList Paint(const MacroWindowState& state) const;

private:
    MacroWindowTexts texts_;
    DrawnButtonHover hover_;
};

}  // namespace norvale
