#pragma once
#include <map>
#include <string>
#include <string_view>

#include "skin/win32/skin_bitmap.h"

namespace norvale {

// Decodes each skin file once while a window builds its controls: buttons
// that share state pictures (the command buttons, the headers, the function
// buttons) share one decode. Controls keep cuts of their own, so the
// pictures go when the building is done.
class SkinPictures {
public:
    // The decoded file of the joined skin path; empty when it cannot be decoded.
    const SkinBitmap& Picture(std::wstring_view joinedPath);

private:
    std::map<std::wstring, SkinBitmap, std::less<>> decoded_;
};

}  // namespace norvale
