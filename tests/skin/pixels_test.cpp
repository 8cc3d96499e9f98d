#include <gtest/gtest.h>

#include <vector>

#include "skin/pixels.h"

namespace norvale {
namespace {

TEST(Premultiply, ScalesColoursByAlphaRoundingDownAndKeepsAlpha)
{
    std::vector<Bgra> pixels{{200, 100, 50, 128}, {255, 255, 255, 255}, {255, 7, 1, 0}, {255, 128, 1, 1}};
    Premultiply(pixels);
    EXPECT_EQ(pixels[0], (Bgra{100, 50, 25, 128}));
    EXPECT_EQ(pixels[1], (Bgra{255, 255, 255, 255}));
    EXPECT_EQ(pixels[2], (Bgra{0, 0, 0, 0}));
    EXPECT_EQ(pixels[3], (Bgra{1, 0, 0, 1}));
}

TEST(BlendOver, TransparentLeavesTheSurfaceOpaqueReplacesItHalfMixes)
{
    const Bgra surface{10, 20, 30, 255};
    std::vector<Bgra> source{{200, 100, 50, 0}, {200, 100, 50, 255}, {200, 100, 50, 128}};
    Premultiply(source);
    EXPECT_EQ(BlendOver(surface, source[0]), surface);
    EXPECT_EQ(BlendOver(surface, source[1]), (Bgra{200, 100, 50, 255}));
    // 100 + 10 * 127 / 255, 50 + 20 * 127 / 255, 25 + 30 * 127 / 255, rounded
    EXPECT_EQ(BlendOver(surface, source[2]), (Bgra{105, 60, 40, 255}));
}

}  // namespace
}  // namespace norvale
