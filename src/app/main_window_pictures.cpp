#include "app/main_window_pictures.h"

#include <algorithm>
#include <variant>

#include "app/button_selection.h"
#include "app/main_window_geometry.h"
#include "app/main_window_paint.h"
#include "app/section_layout.h"
#include "pages/settings_column_pictures.h"

namespace norvale {
namespace {

void AddOnce(std::vector<std::wstring>& names, std::wstring_view name)
{
    if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
}

void AddButton(std::vector<std::wstring>& names, const ButtonPictures& pictures)
{
    for (const std::wstring_view name : {pictures.normal, pictures.hover, pictures.pressed, pictures.disabled})
        AddOnce(names, name);
}

}  // namespace

std::vector<std::wstring> MainWindowStartPictures()
{
    std::vector<std::wstring> names;
    for (const std::wstring_view name : {kMainBackground, kAssignmentHeightPicture, kAxisHeightPicture})
        AddOnce(names, name);
    for (const ImageButtonSpec& spec : MainImageButtons()) AddButton(names, spec.pictures);
    AddButton(names, kFunctionButtonPictures);
    AddOnce(names, kSliderEmptyPicture);
    AddOnce(names, kSliderFullPicture);

    for (const std::wstring_view name : SettingsColumnStartPictures()) AddOnce(names, name);

    ButtonSelection selection;
    selection.ShowMouseView(kTopView);
    const PaintList first = MainWindowPaintList(selection, Sections{});
    AddOnce(names, first.background);
    for (const PaintOp& op : first.ops)
        if (const auto* image = std::get_if<ImageOp>(&op)) AddOnce(names, image->skinName);
    return names;
}

}  // namespace norvale
