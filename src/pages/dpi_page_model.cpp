#include "pages/dpi_page_model.h"

#include <algorithm>

#include "pages/dpi_page_layout.h"
#include "pages/dpi_page_paint.h"
#include "settings/decimal_text.h"

namespace norvale {
namespace {

constexpr int kLowestDpi = 50;
constexpr int kHighestDpi = 10800;

}  // namespace

DpiPageActions DpiPageModel::Press(ui::Point point, std::wstring_view openEditorText)
{
    DpiPageActions actions;
    if (openEditor_ >= 0) Commit(openEditor_, openEditorText, actions);
    HideEditors(actions);
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        const DpiStageLayout at = DpiStage(stage);
        std::uint8_t& inUse = live_.dpiStageEnabled[Index(stage)];
        if (at.indicator.Contains(point)) {
            inUse = inUse == 0 ? 1 : 0;
            actions.emplace_back(RepaintDpiArea{at.indicator});
        }
        // A stage that is not in use keeps its colour.
        if (at.swatch.Contains(point) && inUse == 1) actions.emplace_back(ChooseDpiColour{stage});
        if (at.value.Contains(point)) {
            actions.emplace_back(SetDpiEditorText{stage, DpiValueText(live_.dpiValue[Index(stage)])});
            actions.emplace_back(ShowDpiEditor{stage});
            openEditor_ = stage;
        }
    }
    actions.emplace_back(RepaintDpiPage{});
    return actions;
}

DpiPageActions DpiPageModel::CommitEditor(int stage, std::wstring_view text)
{
    DpiPageActions actions;
    if (Commit(stage, text, actions)) {
        HideEditors(actions);
        actions.emplace_back(RepaintDpiPage{});
    }
    return actions;
}

bool DpiPageModel::Commit(int stage, std::wstring_view text, DpiPageActions& actions)
{
    std::wstring& committed = committedText_[Index(stage)];
    if (text == committed) return false;
    committed = text;
    const int dpi = std::clamp(DecimalValue(text), kLowestDpi, kHighestDpi);
    std::uint8_t& value = live_.dpiValue[Index(stage)];
    value = static_cast<std::uint8_t>(dpi / 50);
    actions.emplace_back(SetDpiEditorText{stage, DpiValueText(value)});
    actions.emplace_back(SetDpiSlider{stage, value});
    return true;
}

DpiPageActions DpiPageModel::MoveSlider(int controlId, int value)
{
    const int stage = controlId - kDpiSliderFirstId;
    if (stage < 0 || stage >= kDpiPageStageCount) return {};
    DpiPageActions actions;
    HideEditors(actions);
    live_.dpiValue[Index(stage)] = static_cast<std::uint8_t>(value);
    std::uint8_t& inUse = live_.dpiStageEnabled[Index(stage)];
    if (inUse == 0) inUse = 1;
    const DpiStageLayout at = DpiStage(stage);
    actions.emplace_back(RepaintDpiArea{at.indicator});
    actions.emplace_back(RepaintDpiArea{at.value});
    return actions;
}

DpiPageActions DpiPageModel::Refresh()
{
    DpiPageActions actions;
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        actions.emplace_back(SetDpiSlider{stage, live_.dpiValue[Index(stage)]});
    }
    HideEditors(actions);
    actions.emplace_back(RepaintDpiPage{});
    return actions;
}

void DpiPageModel::HideEditors(DpiPageActions& actions)
{
    // A hidden editor is closed: a later press has no text of it to commit.
    openEditor_ = -1;
    actions.emplace_back(HideDpiEditors{});
}

void DpiPageModel::StoreColour(int stage, Rgb colour)
{
    live_.dpiColor[Index(stage)] = colour;
}

std::optional<Rgb> DpiPageModel::SwatchColour(int controlId) const
{
    const int stage = controlId - kDpiSwatchFirstId;
    if (stage < 0 || stage >= kDpiPageStageCount) return std::nullopt;
    return live_.dpiColor[Index(stage)];
}

PaintList DpiPageModel::Paint() const
{
    return DpiPagePaintList(live_);
}

}  // namespace norvale
