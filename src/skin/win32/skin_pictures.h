#pragma once
#include <map>
#include <string>
#include <string_view>

#include "skin/win32/skin_bitmap.h"

namespace norvale {

// Skin files decoded once each: buttons that share state pictures (the
// command buttons, the headers, the function buttons) share one decode, and
// a repaint decodes nothing.
class SkinPictures {
public:
    // The decoded file of the joined skin path; empty when it cannot be decoded.
    const SkinBitmap& Picture(std::wstring_view joinedPath);
    // Takes over pictures decoded elsewhere (ahead, on another thread).
    void Adopt(SkinPictures&& decoded) { decoded_.merge(decoded.decoded_); }

private:
    std::map<std::wstring, SkinBitmap, std::less<>> decoded_;
};

// The pictures of every skinned window, shared for the life of the process.
// Only the user-interface thread uses them.
SkinPictures& SharedSkinPictures();

}  // namespace norvale
