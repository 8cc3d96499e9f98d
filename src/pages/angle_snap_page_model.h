#pragma once
#include <string_view>

#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// The picture the page paints over, which also gives it its size.
inline constexpr std::wstring_view kAngleSnapBackground = L"Skins\\AngleSnap\\BK_AngleSnap.png";

// The angle-snapping page: two round options, "ON" and "OFF", for
// `angleSnapping`; any value but 0 shows as on.
class AngleSnapPageModel {
public:
    explicit AngleSnapPageModel(Settings& live) : live_(live) {}

    // A left-button press in the page; true when it chose an option and the
    // page repaints.
    bool Press(ui::Point point);

    // The background, both indicators and their labels.
    PaintList Paint() const;

private:
    Settings& live_;
};

}  // namespace norvale
