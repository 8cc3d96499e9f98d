#include "pages/angle_snap_page_model.h"

#include <array>

#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr std::wstring_view kChosen = L"Skins\\Enable.png";
constexpr std::wstring_view kNotChosen = L"Skins\\Disable.png";

constexpr ui::Rect kOnOption{25, 30, 35, 40};
constexpr ui::Rect kOffOption{140, 30, 150, 40};
constexpr int kOffSlot = 587;
constexpr int kOnSlot = 588;
// A label starts 5 pixels right of its option's click area.
constexpr int kLabelGap = 5;

struct Option {
    ui::Rect area;
    bool chosen;
    int labelSlot;
    const wchar_t* unnamed;  // what the label says where the language leaves it empty
};

// Traditional Chinese and German leave the two labels empty; two unnamed
// options would leave the user guessing which one switches snapping on.
std::wstring Label(const Option& option)
{
    const std::wstring& text = UiText(option.labelSlot);
    return text.empty() ? option.unnamed : text;
}

}  // namespace

bool AngleSnapPageModel::Press(ui::Point point)
{
    if (kOffOption.Contains(point)) {
        live_.angleSnapping = 0;
        return true;
    }
    if (kOnOption.Contains(point)) {
        live_.angleSnapping = 1;
        return true;
    }
    return false;
}

PaintList AngleSnapPageModel::Paint() const
{
    const bool on = live_.angleSnapping != 0;
    const std::array options{Option{kOnOption, on, kOnSlot, L"ON"}, Option{kOffOption, !on, kOffSlot, L"OFF"}};
    PaintList list;
    list.background = std::wstring(kAngleSnapBackground);
    for (const Option& option : options) {
        list.Image(std::wstring(option.chosen ? kChosen : kNotChosen), option.area.left, option.area.top);
    }
    for (const Option& option : options) {
        list.TextAt(Label(option), {option.area.right + kLabelGap, option.area.top});
    }
    return list;
}

}  // namespace norvale
