#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// The picture the page paints over, which also gives it its size.
inline constexpr std::wstring_view kWheelPageBackground = L"Skins\\MouseAttribute\\BK_ScrollSpeed.png";

// The page's box for the lines per notch: an edit control for digits.
inline constexpr int kWheelLinesBoxId = 2035;
inline constexpr ui::Rect kWheelLinesBox{150, 15, 186, 29};

// What the page does to its lines box: enables or disables it first, then
// puts a text into it.
struct LinesBoxUpdate {
    std::optional<bool> enabled;
    std::optional<std::wstring> text;
    friend bool operator==(const LinesBoxUpdate&, const LinesBoxUpdate&) = default;
};

// The wheel page: scrolling by `wheelLines` lines per notch (1 … 100, typed
// into the box or stepped with its arrows) or by one screen per notch
// (`wheelPageScroll`).
class WheelPageModel {
public:
    explicit WheelPageModel(Settings& live) : live_(live) {}

    // A left-button press in the page: the box's arrows (only while lines
    // are chosen), then the two options. The page repaints afterwards.
    LinesBoxUpdate Press(ui::Point point);

    // The box's text changed: typed, or put there by the page itself, since
    // the edit control reports both. Only typing changes the lines: the
    // page's own text is what the record already holds (a record that never
    // held lines keeps 0, which the system is then never given). A typed
    // number out of range makes the box show "1" (the text returned) and the
    // lines 1. While one screen is chosen the box is disabled, and the
    // stored lines are kept whatever it shows.
    std::optional<std::wstring> TextChanged(std::wstring_view text);

    // The settings changed behind the page: the box follows the choice and
    // shows the stored lines, disabled while one screen is chosen.
    LinesBoxUpdate Refresh();

    // The background, both option indicators, the box's picture and the
    // option labels; the box paints itself on top.
    PaintList Paint() const;

private:
    bool LinesChosen() const { return live_.wheelPageScroll == 0; }
    // The stored lines as the box shows them, remembered as the page's own
    // text until the box reports it.
    std::wstring LinesText();

    Settings& live_;
    std::optional<std::wstring> pageText_;
};

}  // namespace norvale
