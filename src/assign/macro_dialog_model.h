#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assign/drawn_button_hover.h"
#include "skin/paint_list.h"
#include "skin/ui_font.h"
#include "ui/geometry.h"

namespace norvale {

// How often a macro runs when its button is pressed; the mouse takes the
// value as it is.
enum class MacroRepeatMode : std::uint8_t { Once = 0, UntilAnyButton = 1, WhileHeld = 2 };
inline constexpr int kMacroRepeatModeCount = 3;

inline constexpr std::wstring_view kMacroKeyBackgroundFile = L"skins\\/macro-key.png";
inline constexpr std::wstring_view kMacroKeyLoadFailedText = L"error";
inline constexpr std::wstring_view kMacroKeyLoadFailedCaption = L"Macro Key Dialog Load background image failed!!!";

// The chosen macro's name, and the list the macros are chosen from, which
// exists only while it is open.
inline constexpr int kMacroNameDisplayId = 592;
inline constexpr ui::Rect kMacroNameDisplayRect{42, 128, 136, 144};
inline constexpr int kMacroListId = 593;
inline constexpr ui::Rect kMacroListRect{42, 146, 151, 286};

// The dialog's own texts by UI language code; all empty for a code it does
// not know.
struct MacroDialogTexts {
    std::wstring_view ok;
    std::wstring_view cancel;
    std::array<std::wstring_view, kMacroRepeatModeCount> modes;
    std::wstring_view prompt;
};
MacroDialogTexts MacroDialogTextsFor(std::wstring_view languageCode);

FontSpec MacroDialogFont(std::wstring_view languageCode);

// What a left-button press makes the window do, in this order.
enum class MacroDialogStep { CloseList, EndOk, EndCancel, OpenList, Repaint };

// The macro dialog: a drop-down list of the stored macros and the three
// repeat modes. OK may end it without a choice; the macro index then stays
// negative and the caller assigns nothing.
class MacroDialogModel {
public:
    explicit MacroDialogModel(std::wstring_view languageCode);

    int MacroIndex() const { return macroIndex_; }
    std::uint8_t RepeatMode() const { return static_cast<std::uint8_t>(repeatMode_); }
    const std::wstring& MacroName() const { return macroName_; }
    bool ListOpen() const { return listOpen_; }

    DrawnButtonHover& Hover() { return hover_; }
    std::vector<MacroDialogStep> Press(ui::Point point);

    // The open list reported a selection (or a double-click): the list
    // closes; with an item selected its name and position are the choice.
    // True when the name display changes.
    bool ListItemChosen(std::optional<int> position, std::wstring_view name);

    PaintList Paint() const;

private:
    MacroDialogTexts texts_;
    DrawnButtonHover hover_;
    bool listOpen_ = false;
    int macroIndex_ = -1;
    MacroRepeatMode repeatMode_ = MacroRepeatMode::Once;
    std::wstring macroName_;
};

}  // namespace norvale
