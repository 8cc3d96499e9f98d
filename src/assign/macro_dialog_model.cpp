#include "assign/macro_dialog_model.h"

namespace norvale {
namespace {

constexpr ui::Rect kOkRect{250, 250, 308, 275};
constexpr ui::Rect kCancelRect{314, 250, 372, 275};
constexpr ui::Rect kDropDownRect{42, 128, 151, 144};
constexpr ui::Rect kPromptRect{12, 96, 181, 128};
constexpr std::array<ui::Rect, kMacroRepeatModeCount> kModeMarks{{
    {220, 78, 236, 94},
    {220, 128, 236, 144},
    {220, 178, 236, 194},
}};
constexpr std::array<ui::Rect, kMacroRepeatModeCount> kModeTexts{{
    {237, 70, 390, 102},
    {237, 120, 390, 152},
    {237, 170, 390, 202},
}};

constexpr unsigned kOneLineCentred = text_format::kCenter | text_format::kSingleLine | text_format::kVerticalCenter;
constexpr unsigned kWrappedCentred = text_format::kCenter | text_format::kWordBreak;
constexpr unsigned kWrappedMiddleLeft = text_format::kLeft | text_format::kWordBreak | text_format::kVerticalCenter;

}  // namespace

MacroDialogTexts MacroDialogTextsFor(std::wstring_view languageCode)
{
    if (languageCode == L"CHS") {
        return {L"确定", L"取消", {L"重复指定次数或按任意键结束", L"重复直到按任意键结束", L"重复直到该按键松开结束"},
                L"请从列表框选择一个宏"};
    }
    if (languageCode == L"CHT") {
        return {L"確定", L"取消", {L"按下按鍵後可重覆執行", L"重覆執行至再次按下任一鍵", L"重覆執行至放開此鍵"},
                L"請先選擇巨集"};
    }
    if (languageCode == L"EN") {
        return {L"OK",
                L"Cancel",
                {L"Macro runs one-time after pressing the button.",
                 L"Macro runs endless loop until any button is pressed. ",
                 L"Macro runs endless loop until button is released. "},
                L"Please select a macro!"};
    }
    if (languageCode == L"DE") {
        return {L"OK",
                L"Abbrechen",
                {L"Makro bei Tastendruck einmalig ausführen.",
                 L"Makro endlos ausführen, bis erneuter Tastendruck erfolgt.",
                 L"Makro bei dauerhaft gedrückter Taste endlos ausführen."},
                L"Bitte wählen Sie ein Makro aus!"};
    }
    return {};
}

FontSpec MacroDialogFont(std::wstring_view languageCode)
{
    return {UiFontFace(languageCode), 13, 400, 0};
}

MacroDialogModel::MacroDialogModel(std::wstring_view languageCode)
    : texts_(MacroDialogTextsFor(languageCode)), hover_({kDrawnCloseRect, kOkRect, kCancelRect})
{
}

std::vector<MacroDialogStep> MacroDialogModel::Press(ui::Point point)
{
    using S = MacroDialogStep;
    std::vector<S> steps;
    const bool inDropDown = kDropDownRect.Contains(point);
    if (!inDropDown && !kMacroListRect.Contains(point) && listOpen_) {
        steps.push_back(S::CloseList);
        listOpen_ = false;
    }
    if (kOkRect.Contains(point)) steps.push_back(S::EndOk);
    if (kCancelRect.Contains(point) || kDrawnCloseRect.Contains(point)) steps.push_back(S::EndCancel);
    if (inDropDown) {
        steps.push_back(listOpen_ ? S::CloseList : S::OpenList);
        listOpen_ = !listOpen_;
    }
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        if (!kModeMarks[mode].Contains(point)) continue;
        repeatMode_ = static_cast<MacroRepeatMode>(mode);
        steps.push_back(S::Repaint);
    }
    return steps;
}

bool MacroDialogModel::ListItemChosen(std::optional<int> position, std::wstring_view name)
{
    listOpen_ = false;
    if (!position || *position < 0) return false;
    macroIndex_ = *position;
    macroName_ = name;
    return true;
}

PaintList MacroDialogModel::Paint() const
{
    PaintList list;
    list.background = L"Skins\\/macro-key.png";
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        const bool chosen = static_cast<int>(repeatMode_) == mode;
        list.Image(chosen ? L"Skins\\/PaneMakingTick.png" : L"Skins\\/Pane.png", kModeMarks[mode].left,
                   kModeMarks[mode].top);
    }
    list.Image(hover_.Lit(kCloseButton) ? L"Skins\\/button-close-over.png" : L"Skins\\/button-close-normal.png",
               kDrawnCloseRect.left, kDrawnCloseRect.top);
    for (const int button : {kOkButton, kCancelButton}) {
        const ui::Rect& rect = button == kOkButton ? kOkRect : kCancelRect;
        list.Image(hover_.Lit(button) ? L"Skins\\/MacroManagement/button-new-over.png"
                                      : L"Skins\\/MacroManagement/button-new-normal.png",
                   rect.left, rect.top);
    }
    list.Text(std::wstring(texts_.ok), kOkRect, kOneLineCentred);
    list.Text(std::wstring(texts_.cancel), kCancelRect, kOneLineCentred);
    list.Text(std::wstring(texts_.prompt), kPromptRect, kWrappedCentred);
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        list.Text(std::wstring(texts_.modes[mode]), kModeTexts[mode], kWrappedMiddleLeft);
    }
    return list;
}

}  // namespace norvale
