#pragma once
#include <optional>
#include <string>
#include <vector>

#include "skin/paint_list.h"

namespace norvale {

// The three pictures of the mouse; 0 until the first view is chosen.
inline constexpr int kNoView = 0;
inline constexpr int kTopView = 1;
inline constexpr int kSideView = 2;
inline constexpr int kBackView = 3;

inline constexpr int kNoSelection = -1;

constexpr bool IsMouseView(int view)
{
    return view >= kTopView && view <= kBackView;
}

// The picture of the mouse itself; none for a view that is not 1 … 3.
std::optional<ImageOp> ViewPicture(int view);

// The numbered hot-spot picture that marks a screen row's button in a view,
// and where it goes; the back view marks rows 6 and 7 only.
struct HotSpot {
    int number;
    int x;
    int y;
};
std::optional<HotSpot> HotSpotOf(int view, int row);

// "Skins/Mouse/Front/F-4-over.png" and the like; empty for no view.
std::wstring HotSpotPictureName(int view, int number, bool selected);

// The hot spots of a view, row by row, the selected button's in its "-over"
// form.
std::vector<ImageOp> HotSpotImages(int view, int selectedButton);

}  // namespace norvale
