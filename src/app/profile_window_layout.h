#pragma once
#include <optional>
#include <string_view>

#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// The profile list window over the main window's left column: its picture,
// its list and the three places a click acts on.
inline constexpr std::wstring_view kProfileWindowBackgroundFile = L"skins\\/Config/Config.png";
inline constexpr std::wstring_view kProfileWindowLoadFailedText = L"error";
inline constexpr std::wstring_view kProfileWindowLoadFailedCaption = L"Config Dialog Load background image failed!!!";

inline constexpr int kProfileListId = 130;
inline constexpr ui::Rect kProfileListRect{0, 31, 263, 575};

enum class ProfileWindowArea { Close, New, Delete };
// The area a left-button press falls in, if any.
std::optional<ProfileWindowArea> ProfileWindowAreaAt(ui::Point point);

// The window's own texts drawn over its picture.
struct ProfileWindowLabels {
    std::wstring_view title;
    std::wstring_view newProfile;
    std::wstring_view deleteProfile;
};
PaintList ProfileWindowPaint(const ProfileWindowLabels& labels);

}  // namespace norvale
