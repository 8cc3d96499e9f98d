#include "skin/text_fit.h"

#include <gtest/gtest.h>

namespace norvale {
namespace {

// Page texts fit to the pixel; only image button captions keep a margin.
TEST(FitTextHeight, ATextThatJustFitsKeepsItsHeight)
{
    const auto sevenPerPixelOfHeight = [](int height) { return 7 * height; };
    EXPECT_EQ(FitTextHeight(13, 91, sevenPerPixelOfHeight), 13);
    EXPECT_EQ(FitTextHeight(13, 90, sevenPerPixelOfHeight), 12);
    EXPECT_EQ(FitTextHeight(13, 10, sevenPerPixelOfHeight), 9);
}

}  // namespace
}  // namespace norvale
