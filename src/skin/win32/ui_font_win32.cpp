#include "skin/win32/ui_font_win32.h"

#include <string>

namespace norvale {

GdiObject<HFONT> CreateUiFont(const FontSpec& spec)
{
    const std::wstring face(spec.face);
    return GdiObject<HFONT>(CreateFontW(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, spec.charset,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, spec.quality,
                                        spec.pitchAndFamily, face.c_str()));
}

bool RunsOnWindows8()
{
    const DWORD version = GetVersion();
    return LOBYTE(LOWORD(version)) == 6 && HIBYTE(LOWORD(version)) == 2;
}

}  // namespace norvale
