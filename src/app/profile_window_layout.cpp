#include "app/profile_window_layout.h"

namespace norvale {
namespace {

constexpr ui::Rect kCloseRect{240, 8, 255, 23};
constexpr ui::Rect kNewRect{0, 575, 100, 598};
constexpr ui::Rect kDeleteRect{110, 575, 230, 598};
constexpr ui::Rect kTitleRect{10, 0, 80, 31};
constexpr ui::Rect kNewLabelRect{30, 575, 80, 598};
constexpr ui::Rect kDeleteLabelRect{140, 575, 190, 598};

constexpr unsigned kOneLine = text_format::kLeft | text_format::kSingleLine | text_format::kVerticalCenter;

}  // namespace

std::optional<ProfileWindowArea> ProfileWindowAreaAt(ui::Point point)
{
    if (kCloseRect.Contains(point)) return ProfileWindowArea::Close;
    if (kNewRect.Contains(point)) return ProfileWindowArea::New;
    if (kDeleteRect.Contains(point)) return ProfileWindowArea::Delete;
    return std::nullopt;
}

PaintList ProfileWindowPaint(const ProfileWindowLabels& labels)
{
    PaintList list;
    list.background = L"Skins\\/Config/Config.png";
    list.Image(L"Skins\\/button-close-normal.png", kCloseRect.left, kCloseRect.top);
    list.Image(L"Skins\\/Config/New-Config.png", 14, 582);
    list.Image(L"Skins\\/Config/Del-Config.png", 124, 582);
    list.Text(std::wstring(labels.title), kTitleRect, kOneLine);
    list.Text(std::wstring(labels.newProfile), kNewLabelRect, kOneLine);
    list.Text(std::wstring(labels.deleteProfile), kDeleteLabelRect, kOneLine);
    return list;
}

}  // namespace norvale
