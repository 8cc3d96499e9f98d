#pragma once
#include <string>
#include <thread>
#include <vector>

#include "skin/win32/skin_pictures.h"

namespace norvale {

// Decodes pictures on a thread of its own while the window waits for
// something else (the splash's three seconds), so that building the window
// afterwards decodes nothing.
class SkinPrefetch {
public:
    // Names relative to the module directory, as the windows name them.
    explicit SkinPrefetch(const std::vector<std::wstring>& skinNames);
    ~SkinPrefetch();
    SkinPrefetch(const SkinPrefetch&) = delete;
    SkinPrefetch& operator=(const SkinPrefetch&) = delete;

    // Waits for the decoding and hands the pictures over; empty when the
    // decoder could not start (the window then decodes as it goes).
    SkinPictures Take();

private:
    SkinPictures pictures_;
    std::thread worker_;
};

}  // namespace norvale
