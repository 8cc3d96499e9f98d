#include <gtest/gtest.h>

#include "app/main_window_geometry.h"
#include "assign/function_assignment.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

// A menu opened from a screen row assigns to the internal button that row
// shows: rows 4 and 5 hold buttons 4 and 3.
TEST(FunctionButtonRows, AChoiceForARowWritesTheButtonThatRowShows)
{
    Settings settings = FactorySettings();
    ASSERT_TRUE(AssignFunction(settings, RowButton(4), 2056, UiLanguage::English, DpiItemTexts{}));
    ASSERT_TRUE(AssignFunction(settings, RowButton(5), 2036, UiLanguage::English, DpiItemTexts{}));
    EXPECT_EQ(settings.buttonKind[4], 7);
    EXPECT_EQ(settings.buttonMediaCode[4], 0xE9);
    EXPECT_EQ(settings.buttonKind[3], 9);
    EXPECT_EQ(settings.buttonWindowsCommand[3], 6);
}

}  // namespace
}  // namespace norvale
