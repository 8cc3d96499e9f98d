#include "pages/dpi_page_paint.h"

#include "pages/dpi_page_layout.h"

namespace norvale {
namespace {

constexpr unsigned kValueFormat = text_format::kCenter | text_format::kVerticalCenter | text_format::kSingleLine;

}  // namespace

std::wstring DpiValueText(std::uint8_t value)
{
    return std::to_wstring(value * 50);
}

PaintList DpiPagePaintList(const Settings& live)
{
    PaintList list;
    list.background = kDpiBackground;
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        const DpiStageLayout at = DpiStage(stage);
        const auto s = static_cast<std::size_t>(stage);
        list.Image(std::wstring(kDpiValueBox), at.value.left, at.value.top);
        list.Text(DpiValueText(live.dpiValue[s]), at.value, kValueFormat);
        const bool inUse = live.dpiStageEnabled[s] == 1;
        list.Image(std::wstring(inUse ? kStageInUsePicture : kStageUnusedPicture), at.indicator.left, at.indicator.top);
    }
    return list;
}

}  // namespace norvale
