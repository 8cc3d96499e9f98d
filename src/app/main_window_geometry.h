#pragma once
#include <array>
#include <string_view>

#include "ui/geometry.h"

namespace norvale {

// The main window's image buttons, in the order the window creates them.
enum class MainButton {
    Reset,
    Cancel,
    Apply,
    Close,
    Minimise,
    Help,
    Config,
    TopView,
    SideView,
    Back,
    AssignmentHeader,
    MacroHeader,
    AxisHeader,
    LiftOffHeader,
};
inline constexpr int kMainButtonCount = 14;

// The four state pictures of an image button, each cut from (0, 0) at `cut`.
struct ButtonPictures {
    std::wstring_view normal;
    std::wstring_view hover;
    std::wstring_view pressed;
    std::wstring_view disabled;
    ui::Size cut;
};

inline constexpr int kNoCaption = -1;

struct ImageButtonSpec {
    MainButton button;
    ui::Rect rect;
    ButtonPictures pictures;
    int captionSlot = kNoCaption;  // UI text slot
    int captionIndent = 0;
    bool createdHidden = false;
};

// All image buttons share control id 0 and this caption height; clicks are
// told apart by the sending window.
inline constexpr int kButtonCaptionHeight = 13;

// Indexed by MainButton, which is also the creation order.
const std::array<ImageButtonSpec, kMainButtonCount>& MainImageButtons();
const ImageButtonSpec& SpecOf(MainButton button);

// The seven function buttons stand in screen rows 1 … 7, which do not follow
// the internal button index: rows 4 and 5 show buttons 4 and 3, as the slots
// on the mouse do.
inline constexpr int kFunctionButtonCount = 7;
int RowButton(int row);
ui::Rect FunctionButtonRect(int row);
inline constexpr ButtonPictures kFunctionButtonPictures{
    L"\\skins\\ButtonAssignment\\DropdownBox-normal.png", L"\\skins\\ButtonAssignment\\DropdownBox-over.png",
    L"\\skins\\ButtonAssignment\\DropdownBox-over.png", L"\\skins\\ButtonAssignment\\DropdownBox-normal.png",
    {130, 16}};

// The sliders of the left column. X and Y move with the sections; the
// lift-off slider exists but its section never opens.
struct SliderSpec {
    int controlId;
    int minimum;
    int maximum;
    ui::Rect createdAt;
    bool createdHidden;
};
inline constexpr int kSensitivityXSliderId = 2025;
inline constexpr int kSensitivityYSliderId = 2026;
inline constexpr int kLiftOffSliderId = 2040;
const std::array<SliderSpec, 3>& MainSliders();
inline constexpr std::wstring_view kSliderEmptyPicture = L"\\skins\\XYSensitivity\\1.png";
inline constexpr std::wstring_view kSliderFullPicture = L"\\skins\\XYSensitivity\\2.png";
inline constexpr ui::Size kSliderPictureCut{208, 14};

inline constexpr ui::Point kPageContainerOrigin{735, 32};
inline constexpr ui::Size kPageContainerSize{260, 561};
// The size the container lays its pages out in once the sections collapse.
inline constexpr ui::Size kPageContainerLayoutSize{230, 563};

// Areas repainted when the view or selection changes and after every
// section change.
inline constexpr ui::Rect kMouseViewArea{262, 2, 734, 500};
inline constexpr ui::Rect kLeftColumnArea{20, 107, 262, 706};

inline constexpr std::wstring_view kMainBackground = L"/skins/main.png";
// The panels whose heights H_a and H_x open the two sections.
inline constexpr std::wstring_view kAssignmentHeightPicture = L"/skins/ButtonAssignment/BK_ButtonAssignment.png";
inline constexpr std::wstring_view kAxisHeightPicture = L"/skins/XYSensitivity/BK_XYSensSetting.png";

}  // namespace norvale
