#include <gtest/gtest.h>

#include "assign/click_rule.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

constexpr std::uint8_t kClick = 0;

// The factory assignment holds a single Click, on button 0.
TEST(ClickRule, TheLastClickKeepsItsMenuClosedUntilASecondClickExists)
{
    Settings settings = FactorySettings();
    ASSERT_EQ(settings.buttonKind[0], kClick);
    EXPECT_EQ(DecideFunctionMenu(settings, 0), FunctionMenuOpening::KeepLastClick);
    // Buttons without the Click still open theirs.
    EXPECT_EQ(DecideFunctionMenu(settings, 1), FunctionMenuOpening::OpenMenu);
    EXPECT_EQ(DecideFunctionMenu(settings, 6), FunctionMenuOpening::OpenMenu);

    settings.buttonKind[2] = kClick;
    EXPECT_EQ(DecideFunctionMenu(settings, 0), FunctionMenuOpening::OpenMenu);
    EXPECT_EQ(DecideFunctionMenu(settings, 2), FunctionMenuOpening::OpenMenu);
}

TEST(ClickRule, AllSevenButtonsCountAndTheSpareByteDoesNot)
{
    Settings settings = FactorySettings();
    settings.buttonKind[0] = 1;
    settings.buttonKind[6] = kClick;
    EXPECT_EQ(DecideFunctionMenu(settings, 6), FunctionMenuOpening::KeepLastClick);
    // The byte after buttonKind[6] is no button's kind, even when it reads 0.
    settings.reserved90[0] = kClick;
    EXPECT_EQ(DecideFunctionMenu(settings, 6), FunctionMenuOpening::KeepLastClick);
}

TEST(ClickRule, NoClickAnywhereLeavesEveryMenuOpenable)
{
    Settings settings = FactorySettings();
    settings.buttonKind[0] = 13;
    for (int button = 0; button < 7; ++button) {
        EXPECT_EQ(DecideFunctionMenu(settings, button), FunctionMenuOpening::OpenMenu) << button;
    }
}

}  // namespace
}  // namespace norvale
