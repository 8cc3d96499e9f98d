#include "assign/single_key_dialog_model.h"

#include "assign/key_names.h"
#include "ui/dialog_keys.h"

namespace norvale {
namespace {

constexpr ui::Rect kPromptRect{34, 103, 220, 123};
constexpr ui::Rect kOkRect{244, 250, 308, 275};
constexpr ui::Rect kCancelRect{314, 250, 378, 275};

constexpr std::uintptr_t kLeftWindowsKey = 0x5B;
constexpr std::uintptr_t kRightWindowsKey = 0x5C;

constexpr unsigned kOneLineCentred = text_format::kCenter | text_format::kSingleLine | text_format::kVerticalCenter;

}  // namespace

SingleKeyDialogTexts SingleKeyDialogTextsFor(std::wstring_view languageCode)
{
    if (languageCode == L"CHS") return {L"确定", L"取消", L"请输入一个按键"};
    if (languageCode == L"CHT") return {L"確定", L"取消", L"請指派一個鍵盤按鍵"};
    if (languageCode == L"DE") return {L"OK", L"Abbrechen", L"Bitte wählen Sie eine Taste aus."};
    return {L"Ok", L"Cancel", L"Please assign a key"};
}

FontSpec SingleKeyDialogFont(std::wstring_view languageCode, bool windows8)
{
    constexpr int kWeight = 400;
    constexpr std::uint8_t kAnsiCharset = 0;
    if (languageCode == L"CHS") return {windows8 ? L"黑体" : L"宋体", 13, kWeight, kAnsiCharset};
    if (languageCode == L"CHT") return {L"黑体", 13, kWeight, kAnsiCharset};
    return {L"Arial", 14, kWeight, kAnsiCharset};
}

std::wstring CapturedKeyName(const KeyEvent& event) { return GetKeyStr(CapturedVirtualKey(event)); }

bool SingleKeyDialogDropsMessage(std::uint32_t message, std::uintptr_t wParam)
{
    return wParam == kLeftWindowsKey || wParam == kRightWindowsKey || ui::IsSwallowedDialogKey(message, wParam);
}

SingleKeyDialogModel::SingleKeyDialogModel(std::wstring_view languageCode, std::wstring presetName)
    : texts_(SingleKeyDialogTextsFor(languageCode)),
      keyName_(std::move(presetName)),
      hover_({kDrawnCloseRect, kOkRect, kCancelRect})
{
}

std::optional<DialogEnd> SingleKeyDialogModel::Press(ui::Point point) const
{
    const std::optional<int> button = hover_.ButtonAt(point);
    if (!button) return std::nullopt;
    return *button == kOkButton ? DialogEnd::Ok : DialogEnd::Cancel;
}

PaintList SingleKeyDialogModel::Paint() const
{
    PaintList list;
    list.background = L"Skins\\/single-key.png";
    list.Text(std::wstring(texts_.prompt), kPromptRect, kOneLineCentred);
    list.Image(hover_.Lit(kCloseButton) ? L"Skins\\/button-close-over.png" : L"Skins\\button-close-normal.png",
               kDrawnCloseRect.left, kDrawnCloseRect.top);
    const auto button = [&](int which, const ui::Rect& rect, std::wstring_view text) {
        list.Image(hover_.Lit(which) ? L"Skins\\/MacroManagement/button-cancel-over.png"
                                     : L"Skins\\MacroManagement\\button-cancel-normal.png",
                   rect.left, rect.top);
        list.Text(std::wstring(text), rect, kOneLineCentred);
    };
    button(kOkButton, kOkRect, texts_.ok);
    button(kCancelButton, kCancelRect, texts_.cancel);
    return list;
}

}  // namespace norvale
