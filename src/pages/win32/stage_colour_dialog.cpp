#include "pages/win32/stage_colour_dialog.h"

#include <commdlg.h>

#include <array>

namespace norvale {

std::optional<Rgb> ChooseStageColour(HWND owner)
{
    // The dialog insists on a table of custom colours; the ones the user
    // makes stay for the rest of the run.
    static std::array<COLORREF, 16> customColours{};
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.rgbResult = RGB(0, 0, 0);
    choice.lpCustColors = customColours.data();
    if (!ChooseColorW(&choice)) return std::nullopt;
    return Rgb{GetRValue(choice.rgbResult), GetGValue(choice.rgbResult), GetBValue(choice.rgbResult)};
}

}  // namespace norvale
