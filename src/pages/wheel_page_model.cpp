#include "pages/wheel_page_model.h"

#include <algorithm>

#include "settings/decimal_text.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr std::wstring_view kChosen = L"Skins\\MouseAttribute\\ScrollSpeed\\Enable.png";
constexpr std::wstring_view kNotChosen = L"Skins\\MouseAttribute\\ScrollSpeed\\Disable.png";
constexpr std::wstring_view kBoxPicture = L"Skins\\MouseAttribute\\ScrollSpeed\\ScrollLines.png";

constexpr ui::Rect kLinesOption{5, 17, 16, 30};
constexpr ui::Rect kScreenOption{5, 50, 16, 62};
constexpr ui::Rect kUpArrow{190, 15, 200, 21};
constexpr ui::Rect kDownArrow{190, 23, 200, 29};

constexpr int kFewestLines = 1;
constexpr int kMostLines = 100;
constexpr std::uint8_t kOneScreen = 1;

constexpr int kLinesLabelSlot = 46;
constexpr int kScreenLabelSlot = 47;
constexpr unsigned kLabelFormat = text_format::kLeft | text_format::kVerticalCenter | text_format::kSingleLine;

std::wstring Indicator(bool chosen)
{
    return std::wstring(chosen ? kChosen : kNotChosen);
}

}  // namespace

LinesBoxUpdate WheelPageModel::Press(ui::Point point)
{
    if (LinesChosen() && kUpArrow.Contains(point)) {
        live_.wheelLines = static_cast<std::uint8_t>(std::min(live_.wheelLines + 1, kMostLines));
        return {std::nullopt, LinesText()};
    }
    if (LinesChosen() && kDownArrow.Contains(point)) {
        live_.wheelLines = static_cast<std::uint8_t>(std::max(live_.wheelLines - 1, kFewestLines));
        return {std::nullopt, LinesText()};
    }
    if (kLinesOption.Contains(point)) {
        live_.wheelPageScroll = 0;
        return {true, LinesText()};
    }
    if (kScreenOption.Contains(point)) {
        live_.wheelPageScroll = kOneScreen;
        return {false, std::nullopt};
    }
    return {};
}

std::wstring WheelPageModel::LinesText()
{
    pageText_ = std::to_wstring(live_.wheelLines);
    return *pageText_;
}

std::optional<std::wstring> WheelPageModel::TextChanged(std::wstring_view text)
{
    // The one report that follows the page's own text is not the user's.
    const bool pagesOwn = pageText_ && text == *pageText_;
    pageText_.reset();
    if (!LinesChosen() || pagesOwn) return std::nullopt;
    const int lines = DecimalValue(text);
    if (lines < kFewestLines || lines > kMostLines) {
        live_.wheelLines = kFewestLines;
        return LinesText();
    }
    live_.wheelLines = static_cast<std::uint8_t>(lines);
    return std::nullopt;
}

LinesBoxUpdate WheelPageModel::Refresh()
{
    return {LinesChosen(), LinesText()};
}

PaintList WheelPageModel::Paint() const
{
    const bool oneScreen = live_.wheelPageScroll == kOneScreen;
    PaintList list;
    list.background = std::wstring(kWheelPageBackground);
    list.Image(Indicator(!oneScreen), kLinesOption.left, kLinesOption.top);
    list.Image(Indicator(oneScreen), kScreenOption.left, kScreenOption.top);
    list.Image(std::wstring(kBoxPicture), kWheelLinesBox.left, kWheelLinesBox.top);
    // The label ends before the box, so a long one is drawn smaller, not under it.
    list.Text(UiText(kLinesLabelSlot), {24, 14, kWheelLinesBox.left - 2, 30}, kLabelFormat);
    list.Text(UiText(kScreenLabelSlot), {24, 50, 156, 62}, kLabelFormat);
    return list;
}

}  // namespace norvale
