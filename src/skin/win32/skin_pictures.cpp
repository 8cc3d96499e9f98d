#include "skin/win32/skin_pictures.h"

namespace norvale {

const SkinBitmap& SkinPictures::Picture(std::wstring_view joinedPath)
{
    const auto found = decoded_.find(joinedPath);
    if (found != decoded_.end()) return found->second;
    return decoded_.emplace(std::wstring(joinedPath), SkinBitmap::Decode(joinedPath)).first->second;
}

SkinPictures& SharedSkinPictures()
{
    static SkinPictures pictures;
    return pictures;
}

}  // namespace norvale
