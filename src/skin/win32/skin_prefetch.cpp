#include "skin/win32/skin_prefetch.h"

#include <utility>

#include "skin/win32/module_directory.h"

namespace norvale {

SkinPrefetch::SkinPrefetch(const std::vector<std::wstring>& skinNames)
{
    if (!StartSkinDecoding()) return;
    std::vector<std::wstring> joined;
    for (const std::wstring& name : skinNames) joined.push_back(SkinPath(name));
    worker_ = std::thread([this, paths = std::move(joined)] {
        for (const std::wstring& path : paths) pictures_.Picture(path);
    });
}

SkinPrefetch::~SkinPrefetch()
{
    if (worker_.joinable()) worker_.join();
}

SkinPictures SkinPrefetch::Take()
{
    if (worker_.joinable()) worker_.join();
    return std::move(pictures_);
}

}  // namespace norvale
