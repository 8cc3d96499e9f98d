#include "app/mouse_views.h"

#include <array>

#include "app/main_window_geometry.h"

namespace norvale {
namespace {

struct ViewTable {
    std::wstring_view folder;  // with the picture's prefix
    std::array<std::optional<HotSpot>, kFunctionButtonCount> rows;
};

const std::array<ViewTable, 3> kViews{{
    {L"/Mouse/Front/F-",
     {HotSpot{1, 370, 102}, HotSpot{2, 560, 102}, HotSpot{3, 505, 175}, HotSpot{4, 350, 222},
      HotSpot{5, 355, 275}, HotSpot{6, 505, 230}, HotSpot{7, 505, 265}}},
    {L"/Mouse/Side/S-",
     {HotSpot{1, 400, 154}, HotSpot{2, 325, 146}, HotSpot{3, 415, 255}, HotSpot{4, 490, 280},
      HotSpot{5, 535, 272}, HotSpot{6, 480, 140}, HotSpot{7, 507, 140}}},
    {L"/Mouse/Back/B-",
     {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, HotSpot{5, 582, 248},
      HotSpot{4, 577, 209}}},
}};

const ViewTable& TableOf(int view)
{
    return kViews[static_cast<std::size_t>(view - 1)];
}

}  // namespace

std::optional<ImageOp> ViewPicture(int view)
{
    switch (view) {
    case kTopView: return ImageOp{L"Skins\\Mouse\\Front\\MouseFront.png", 403, 0};
    case kSideView: return ImageOp{L"Skins\\Mouse\\Side\\MouseSide.png", 285, 232};
    case kBackView: return ImageOp{L"Skins\\Mouse\\Back\\MouseBack.png", 394, 46};
    default: return std::nullopt;
    }
}

std::optional<HotSpot> HotSpotOf(int view, int row)
{
    if (!IsMouseView(view) || row < 1 || row > kFunctionButtonCount) return std::nullopt;
    return TableOf(view).rows[static_cast<std::size_t>(row - 1)];
}

std::wstring HotSpotPictureName(int view, int number, bool selected)
{
    if (!IsMouseView(view)) return {};
    return L"Skins" + std::wstring(TableOf(view).folder) + std::to_wstring(number) +
           (selected ? L"-over.png" : L"-normal.png");
}

std::vector<ImageOp> HotSpotImages(int view, int selectedButton)
{
    std::vector<ImageOp> images;
    for (int row = 1; row <= kFunctionButtonCount; ++row) {
        const std::optional<HotSpot> spot = HotSpotOf(view, row);
        if (!spot) continue;
        const bool selected = RowButton(row) == selectedButton;
        images.push_back({HotSpotPictureName(view, spot->number, selected), spot->x, spot->y});
    }
    return images;
}

}  // namespace norvale
