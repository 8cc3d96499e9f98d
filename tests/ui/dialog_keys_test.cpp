#include <gtest/gtest.h>

#include "ui/dialog_keys.h"
#include "ui/geometry.h"

namespace norvale::ui {
namespace {

TEST(DialogKeys, EnterEscSpaceAndF1AreSwallowedInEveryKeyMessage)
{
    for (std::uint32_t message : {0x0100u, 0x0101u, 0x0104u, 0x0105u}) {
        for (std::uintptr_t key : {0x0Du, 0x1Bu, 0x20u, 0x70u}) {
            EXPECT_TRUE(IsSwallowedDialogKey(message, key)) << message << " " << key;
        }
        EXPECT_FALSE(IsSwallowedDialogKey(message, 0x09));  // Tab
        EXPECT_FALSE(IsSwallowedDialogKey(message, 0x71));  // F2
    }
    EXPECT_FALSE(IsSwallowedDialogKey(0x0102, 0x0D));  // WM_CHAR is not filtered
}

TEST(Geometry, CentresOnTheAreaEvenWhenLargerThanIt)
{
    EXPECT_EQ(CentredIn({0, 0, 1280, 800}, {400, 300}), (Rect{440, 250, 840, 550}));
    EXPECT_EQ(CentredIn({100, 100, 300, 200}, {400, 300}), (Rect{0, 0, 400, 300}));
}

}  // namespace
}  // namespace norvale::ui
