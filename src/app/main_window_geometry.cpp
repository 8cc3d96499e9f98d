#include "app/main_window_geometry.h"

namespace norvale {
namespace {

constexpr ButtonPictures kCommandPictures{
    L"\\skins\\button-cancel-normal.png", L"\\skins\\button-cancel-over.png", L"\\skins\\button-cancel-leave.png",
    L"\\skins\\button-save-leave.png", {57, 30}};
constexpr ButtonPictures kConfigPictures{L"\\skins\\button-config-normal.png", L"\\skins\\button-config-over.png",
                                         L"\\skins\\button-config-normal.png", L"\\skins\\button-config-normal.png",
                                         {72, 30}};
constexpr ButtonPictures TitleBarPictures(std::wstring_view normal, std::wstring_view hover)
{
    return {normal, hover, normal, normal, {15, 15}};
}
constexpr ButtonPictures kViewPictures{L"\\skins\\button-mouse-normal.png", L"\\skins\\button-mouse-over.png",
                                       L"\\skins\\button-mouse-leave.png", L"\\skins\\button-mouse-normal.png",
                                       {62, 29}};
constexpr ButtonPictures HeaderPictures(std::wstring_view picture, int height)
{
    return {picture, picture, picture, picture, {242, height}};
}
constexpr std::wstring_view kHeaderPicture = L"\\skins\\ItemBK.png";

constexpr std::array<ImageButtonSpec, kMainButtonCount> kImageButtons{{
    {MainButton::Reset, {798, 604, 855, 634}, kCommandPictures, 9},
    {MainButton::Cancel, {860, 604, 917, 634}, kCommandPictures, 10},
    {MainButton::Apply, {923, 604, 980, 634}, kCommandPictures, 11},
    {MainButton::Close, {979, 5, 994, 20},
     TitleBarPictures(L"\\skins\\button-close-normal.png", L"\\skins\\button-close-over.png")},
    {MainButton::Minimise, {958, 5, 973, 20},
     TitleBarPictures(L"\\skins\\button-min-normal.png", L"\\skins\\button-min-over.png")},
    {MainButton::Help, {937, 5, 952, 20},
     TitleBarPictures(L"\\skins\\button-help-normal.png", L"\\skins\\button-help-over.png")},
    {MainButton::Config, {18, 604, 90, 634}, kConfigPictures, 12, 20},
    {MainButton::TopView, {447, 527, 509, 556}, kViewPictures, 13},
    {MainButton::SideView, {513, 527, 575, 556}, kViewPictures, 14},
    {MainButton::Back, {533, 527, 595, 556}, kViewPictures, 15, 0, true},
    {MainButton::AssignmentHeader, {20, 107, 262, 127}, HeaderPictures(kHeaderPicture, 20), 16},
    {MainButton::MacroHeader, {20, 132, 262, 170}, HeaderPictures(L"\\skins\\MacroManagementBK.png", 38), 17},
    {MainButton::AxisHeader, {20, 175, 262, 195}, HeaderPictures(kHeaderPicture, 20), 18},
    {MainButton::LiftOffHeader, {20, 200, 262, 220}, HeaderPictures(kHeaderPicture, 20), 19, 0, true},
}};

constexpr std::array<int, kFunctionButtonCount> kRowButton{0, 1, 2, 4, 3, 5, 6};

// X and Y start where the closed sections put them. The lift-off slider
// sits under its header and stays hidden, since that section never opens.
constexpr std::array<SliderSpec, 3> kSliders{{
    {kSensitivityXSliderId, 1, 11, {37, 235, 245, 244}, false},
    {kSensitivityYSliderId, 1, 11, {37, 295, 245, 304}, false},
    {kLiftOffSliderId, 1, 5, {37, 240, 245, 249}, true},
}};

}  // namespace

const std::array<ImageButtonSpec, kMainButtonCount>& MainImageButtons()
{
    return kImageButtons;
}

const ImageButtonSpec& SpecOf(MainButton button)
{
    return kImageButtons[static_cast<std::size_t>(button)];
}

int RowButton(int row)
{
    return kRowButton.at(static_cast<std::size_t>(row - 1));
}

ui::Rect FunctionButtonRect(int row)
{
    return {120, 134 + 20 * row, 250, 150 + 20 * row};
}

const std::array<SliderSpec, 3>& MainSliders()
{
    return kSliders;
}

}  // namespace norvale
