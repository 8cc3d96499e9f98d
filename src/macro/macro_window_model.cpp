#include "macro/macro_window_model.h"

namespace norvale {
namespace {

enum WindowButton { kClose, kOk, kCancel, kNew, kDelete };
constexpr ui::Rect kButtonRects[] = {
    {427, 17, 478, 41}, {298, 394, 352, 422}, {354, 394, 408, 422}, {17, 367, 75, 392}, {77, 367, 135, 392},
};
constexpr ui::Rect kDelayTick{370, 144, 384, 158};
constexpr ui::Rect kLoopTick{296, 314, 310, 328};

constexpr ui::Rect kTitleRect{15, 0, 414, 31};
constexpr ui::Rect kSelectMacroRect{16, 60, 134, 78};
constexpr ui::Rect kKeystrokesRect{148, 60, 266, 78};
constexpr ui::Rect kOptionsRect{279, 60, 397, 78};
constexpr ui::Rect kLoopLabelRect{296, 299, 401, 314};
constexpr ui::Rect kDelayLabelRect{290, 136, 370, 206};

constexpr unsigned kCentred = text_format::kCenter | text_format::kVerticalCenter | text_format::kSingleLine;
constexpr unsigned kTitleFormat = text_format::kLeft | text_format::kVerticalCenter | text_format::kSingleLine;

const wchar_t* Tick(bool on)
{
    return on ? L"Skins\\/MacroManagement/PaneMakingTick.png" : L"Skins\\/MacroManagement/Pane.png";
}

}  // namespace

MacroWindowModel::MacroWindowModel(std::wstring_view languageCode)
    : texts_(MacroWindowTextsFor(languageCode)), hover_({std::begin(kButtonRects), std::end(kButtonRects)})
{
}

std::vector<MacroWindowStep> MacroWindowModel::Press(ui::Point point) const
{
    using S = MacroWindowStep;
    const std::optional<int> button = hover_.ButtonAt(point);
    if (button == kOk) return {S::StopRecording, S::StoreSelectedMacro, S::BuildImages, S::EndOk};
    if (button == kCancel || button == kClose) return {S::StopRecording, S::EndCancel};
    if (kDelayTick.Contains(point)) return {S::ToggleDelayOption};
    if (kLoopTick.Contains(point)) return {S::StopRecording, S::ToggleLoopOption};
    if (button == kNew) return {S::StopRecording, S::StoreSelectedMacro, S::NewMacro};
    if (button == kDelete) return {S::StopRecording, S::DeleteMacro};
    return {S::Drag};
}

PaintList MacroWindowModel::Paint(const MacroWindowState& state) const
{
    PaintList list;
    list.background = L"Skins\\/MacroManagement/MacroManagement.png";
    const auto at = [](int button) { return kButtonRects[button]; };
    list.Image(hover_.Lit(kClose) ? L"Skins\\/macro-button-close-over.png" : L"Skins\\/macro-button-close-normal.png",
               at(kClose).left, at(kClose).top);
    for (const int button : {kOk, kCancel}) {
        list.Image(hover_.Lit(button) ? L"Skins\\/MacroManagement/button-cancel-over.png"
                                      : L"Skins\\/MacroManagement/button-cancel-normal.png",
                   at(button).left, at(button).top);
    }
    for (const int button : {kNew, kDelete}) {
        list.Image(hover_.Lit(button) ? L"Skins\\/MacroManagement/button-new-over.png"
                                      : L"Skins\\/MacroManagement/button-new-normal.png",
                   at(button).left, at(button).top);
    }
    list.Image(Tick(state.recordDelays), kDelayTick.left, kDelayTick.top);
    list.Image(Tick(state.loopCountChecked), kLoopTick.left, kLoopTick.top);

    list.Text(std::wstring(texts_.ok), at(kOk), kCentred);
    list.Text(std::wstring(texts_.cancel), at(kCancel), kCentred);
    list.Text(std::wstring(texts_.newMacro), at(kNew), kCentred);
    list.Text(std::wstring(texts_.deleteText), at(kDelete), kCentred);
    list.Text(std::wstring(texts_.title), kTitleRect, kTitleFormat);
    list.Text(std::wstring(texts_.selectMacro), kSelectMacroRect, kCentred);
    list.Text(std::wstring(texts_.keystrokeSequence), kKeystrokesRect, kCentred);
    list.Text(std::wstring(texts_.options), kOptionsRect, kCentred);
    list.Text(std::wstring(texts_.numberOfLoops), kLoopLabelRect, text_format::kVerticalCenter | text_format::kWordBreak);
    list.Text(std::wstring(texts_.recordDelay), kDelayLabelRect, text_format::kWordBreak);
    return list;
}

}  // namespace norvale
