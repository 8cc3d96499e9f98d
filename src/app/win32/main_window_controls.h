#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string_view>

#include "app/main_window_geometry.h"
#include "skin/win32/bitmap_btn.h"
#include "skin/win32/skin_pictures.h"
#include "skin/win32/slider_marker.h"

namespace norvale {

// The main window's child controls made from the skin: the fourteen image
// buttons, the seven function buttons and the three sliders, at the places
// and with the pictures the geometry gives them. Each button reports its
// click to the window as the button it is, whatever its control id.
struct MainClicks {
    std::function<void(MainButton)> button;
    std::function<void(int)> functionButton;  // internal button index
};

class MainControls {
public:
    // Creates every control in the window's creation order, its pictures
    // taken from the window's; captions are in the given face.
    void Create(ui::CWnd& window, std::wstring_view fontFace, const MainClicks& clicks, SkinPictures& pictures);

    CBitmapBtn& Button(MainButton button) { return buttons_[static_cast<std::size_t>(button)]; }
    // By internal button index.
    CBitmapBtn& FunctionButton(int button) { return functionButtons_[static_cast<std::size_t>(button)]; }
    // In the order of MainSliders(): X, Y, lift-off.
    CDMarker& Slider(std::size_t index) { return sliders_[index]; }
    CBitmapBtn& ViewButton(int view);

private:
    std::array<CBitmapBtn, kMainButtonCount> buttons_;
    std::array<CBitmapBtn, kFunctionButtonCount> functionButtons_;
    std::array<CDMarker, 3> sliders_;
};

}  // namespace norvale
