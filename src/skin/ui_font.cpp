#include "skin/ui_font.h"

namespace norvale {

std::wstring_view UiFontFace(std::wstring_view languageCode)
{
    if (languageCode == L"CHS" || languageCode == L"CHT") return L"\u9ED1\u4F53";
    return L"Arial";
}

}  // namespace norvale
