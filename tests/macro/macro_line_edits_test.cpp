#include <gtest/gtest.h>

#include "macro/macro_line_edits.h"

namespace norvale {
namespace {

using Names = std::vector<std::wstring>;

TEST(NewMacroName, FollowsTheLastNameAndNeverRepeatsOne)
{
    struct Case {
        Names names;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {{}, L"Macro_1"},
        {{L"Macro_1", L"Macro_3"}, L"Macro_4"},               // Macro_2 deleted: from the last name
        {{L"Macro_1", L"Macro_2", L"Gaming"}, L"Macro_4"},    // no "_" in the last: one past the count
        {{L"Macro_4", L"Gaming", L"Macro_2"}, L"Macro_3"},
        {{L"Macro_3", L"x", L"Macro_2"}, L"Macro_4"},         // Macro_3 is taken: the next free number
        {{L"Macro_1", L"Gaming", L"Macro_4"}, L"Macro_5"},
    };
    for (const Case& each : cases) EXPECT_EQ(NewMacroName(each.names, L"Macro"), each.expected);
    EXPECT_EQ(NewMacroName(Names(12, L"M"), L"Macro"), std::nullopt);
    EXPECT_EQ(NewMacroName({L"Makro_1"}, L"Makro"), L"Makro_2");
}

MacroWindowState WithLines(std::vector<std::wstring> lines, std::optional<std::size_t> selected)
{
    MacroWindowState state;
    state.lines = std::move(lines);
    state.lineSelection = selected;
    return state;
}

TEST(MacroLineEdits, MouseButtonLinesFollowTheSelectedLine)
{
    MacroWindowState afterKey = WithLines({L"A   Dn", L"A   Up"}, 0);
    ASSERT_TRUE(InsertMouseButtonLines(afterKey, L"L-Button"));
    EXPECT_EQ(afterKey.lines, (std::vector<std::wstring>{L"A   Dn", L"L-Button   Dn", L"L-Button   Up", L"A   Up"}));
    EXPECT_EQ(afterKey.lineSelection, 2u);  // the release

    MacroWindowState afterDelay = WithLines({L"A   Dn", L"30 ms", L"A   Up"}, 1);
    ASSERT_TRUE(InsertMouseButtonLines(afterDelay, L"M-Button"));
    EXPECT_EQ(afterDelay.lines[2], L"M-Button   Dn");
    EXPECT_EQ(afterDelay.lineSelection, 2u);  // the press

    MacroWindowState none = WithLines({L"A   Dn"}, std::nullopt);
    EXPECT_FALSE(InsertMouseButtonLines(none, L"R-Button"));
    EXPECT_EQ(none.lines.size(), 1u);
}

TEST(MacroLineEdits, InsertDelayGoesBeforeTheSelectedLineUnlessAPauseIsNextToIt)
{
    MacroWindowState state = WithLines({L"A   Dn", L"A   Up", L"20 ms", L"B   Dn"}, 1);
    ASSERT_TRUE(InsertDelayLine(state));
    EXPECT_EQ(state.lines, (std::vector<std::wstring>{L"A   Dn", L"50 ms", L"A   Up", L"20 ms", L"B   Dn"}));
    EXPECT_EQ(state.lineSelection, 2u);

    for (const std::size_t refused : {0u, 1u, 3u, 4u}) {  // first line, a pause, or the line after one
        MacroWindowState again = state;
        again.lineSelection = refused;
        EXPECT_FALSE(InsertDelayLine(again)) << refused;
        EXPECT_EQ(again.lines, state.lines);
    }
}

TEST(MacroLineEdits, DeletingALineLeavesNoneSelected)
{
    MacroWindowState state = WithLines({L"A   Dn", L"A   Up"}, 1);
    ASSERT_TRUE(DeleteSelectedLine(state));
    EXPECT_EQ(state.lines, std::vector<std::wstring>{L"A   Dn"});
    EXPECT_EQ(state.lineSelection, std::nullopt);
    EXPECT_FALSE(DeleteSelectedLine(state));
}

TEST(MacroLineEdits, ASecondDoubleClickOnTheSamePauseOpensItsEditor)
{
    MacroWindowState state = WithLines({L"A   Dn", L"30 ms", L"A   Up", L"40 ms"}, std::nullopt);
    state.armedDelayLine = 0;
    EXPECT_FALSE(DoubleClickOpensDelayEditor(state, 1));  // arms it
    EXPECT_TRUE(DoubleClickOpensDelayEditor(state, 1));
    EXPECT_FALSE(DoubleClickOpensDelayEditor(state, 3));  // another pause: armed anew
    EXPECT_FALSE(DoubleClickOpensDelayEditor(state, 2));  // a key line never opens it
    EXPECT_TRUE(DoubleClickOpensDelayEditor(state, 3));
}

TEST(MacroRename, RefusesNamesThatWouldMergeOrLoseAMacro)
{
    const Names names{L"Macro_1", L"Macro_2"};
    EXPECT_TRUE(IsAcceptableMacroName(names, 0, L"Gaming"));
    EXPECT_TRUE(IsAcceptableMacroName(names, 0, L"Macro_1"));  // its own name
    EXPECT_TRUE(IsAcceptableMacroName(names, 0, L"Two words"));
    for (const wchar_t* refused : {L"", L"Macro_2", L"[x", L"a]", L"a=b", L" lead", L"trail ", L"a\r\nb"}) {
        EXPECT_FALSE(IsAcceptableMacroName(names, 0, refused)) << refused;
    }
}

}  // namespace
}  // namespace norvale
