#include <gtest/gtest.h>

#include "app/splash_input.h"

namespace norvale {
namespace {

TEST(SplashInput, PressesAndKeysAreSwallowedButReleasesAndMovesPass)
{
    for (std::uint32_t pressOrKey : {0x00A1u, 0x00A4u, 0x00A7u, 0x0100u, 0x0104u, 0x0201u, 0x0204u, 0x0207u}) {
        EXPECT_TRUE(IsSwallowedBySplash(pressOrKey)) << pressOrKey;
    }
    for (std::uint32_t other : {0x0101u, 0x0200u, 0x0202u, 0x000Fu, 0x0113u}) {
        EXPECT_FALSE(IsSwallowedBySplash(other)) << other;
    }
}

}  // namespace
}  // namespace norvale
