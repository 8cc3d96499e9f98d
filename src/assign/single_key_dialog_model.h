#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "assign/drawn_button_hover.h"
#include "assign/key_event.h"
#include "skin/paint_list.h"
#include "skin/ui_font.h"
#include "ui/geometry.h"

namespace norvale {

// The picture the key dialog is sized by and painted over.
inline constexpr std::wstring_view kSingleKeyBackgroundFile = L"skins/single-key.png";
inline constexpr std::wstring_view kSingleKeyLoadFailedText = L"error";
inline constexpr std::wstring_view kSingleKeyLoadFailedCaption = L"Single Key Dialog Load background image failed!!!";
// The hook could not be installed; filled with the system error.
inline constexpr std::wstring_view kKeyHookFailedFormat = L"JournalRecordHook Install error code :%d\n";

// The static control that shows the key's name.
inline constexpr int kKeyNameDisplayId = 502;
inline constexpr ui::Rect kKeyNameDisplayRect{74, 129, 150, 143};

// The dialog's own texts by UI language code; English for any code it does
// not know.
struct SingleKeyDialogTexts {
    std::wstring_view ok;
    std::wstring_view cancel;
    std::wstring_view prompt;
};
SingleKeyDialogTexts SingleKeyDialogTextsFor(std::wstring_view languageCode);

// Simplified Chinese writes in "黑体" only on Windows 8 (version 6.2), in
// "宋体" on every other version.
FontSpec SingleKeyDialogFont(std::wstring_view languageCode, bool windows8);

// The name a captured key event shows: the keypad's Enter is "Num Enter",
// a key the capture table does not name shows empty.
std::wstring CapturedKeyName(const KeyEvent& event);

// Messages the dialog drops before dispatch: anything about the Windows
// keys, and Enter, Esc, Space and F1, so no key presses a button.
bool SingleKeyDialogDropsMessage(std::uint32_t message, std::uintptr_t wParam);

enum class DialogEnd { Ok, Cancel };

// The key dialog: it asks for one key and shows the name of the last key
// event, starting from the name the caller presets.
class SingleKeyDialogModel {
public:
    SingleKeyDialogModel(std::wstring_view languageCode, std::wstring presetName);

    const std::wstring& KeyName() const { return keyName_; }
    void TakeCapturedKey(std::wstring name) { keyName_ = std::move(name); }

    DrawnButtonHover& Hover() { return hover_; }
    // A left-button press: OK or Cancel (also the close button) end the
    // dialog; anywhere the press also starts dragging the dialog.
    std::optional<DialogEnd> Press(ui::Point point) const;

    PaintList Paint() const;

private:
    SingleKeyDialogTexts texts_;
    std::wstring keyName_;
    DrawnButtonHover hover_;
};

}  // namespace norvale
