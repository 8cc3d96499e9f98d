#pragma once
#include <cstdint>
#include <string_view>

#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// The picture both dial pages paint over, which also gives them their size.
inline constexpr std::wstring_view kSpeedDialBackground = L"Skins\\MouseAttribute\\BK_MouseAttribute.png";

// The half-circle dial of eleven steps that the pointer-speed and the
// double-click pages share: a press on its ring sets the page's field to
// the step under the needle's angle, slowest at the left.
class SpeedDialModel {
public:
    // Whether a press inside the ring writes its angle as a debug line.
    enum class AngleTrace { Off, On };

    SpeedDialModel(Settings& live, std::uint8_t Settings::*field, AngleTrace trace)
        : live_(live), field_(field), trace_(trace)
    {
    }

    // A left-button press in the page. False for a press below the dial's
    // centre line, which the page ignores altogether; otherwise the field
    // holds a step 1 … 11 afterwards and the page repaints.
    bool Press(ui::Point point);

    // The background, the needle of the stored step and the two labels.
    PaintList Paint() const;

private:
    std::uint8_t& Value() const { return live_.*field_; }

    Settings& live_;
    std::uint8_t Settings::*field_;
    AngleTrace trace_;
};

// The pointer-speed page's dial edits `pointerSpeed`.
SpeedDialModel PointerSpeedDial(Settings& live);
// The double-click page's dial edits `doubleClickLevel` and traces the
// angle of every press on its ring.
SpeedDialModel DoubleClickDial(Settings& live);

}  // namespace norvale
