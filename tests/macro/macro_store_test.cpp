#include <gmock/gmock.h>

#include "macro_store_fixture.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;

class MacroStoreTest : public MacroStoreFixture {
protected:
    void StoreThree()
    {
        Store({{L"One", L"1", {L"A   Dn", L"A   Up"}},
               {L"Two", L"2", {L"B   Dn"}},
               {L"Three", L"3", {L"C   Dn", L"40 ms", L"C   Up"}}});
    }
    void Select(std::size_t position)
    {
        state.selection = position;
        store.OnMacroNameListSelchange(state);
    }
};

TEST_F(MacroStoreTest, ListingShowsTheFirstMacro)
{
    Store({{L"Macro_1", L"3", {L"A   Dn", L"120 ms", L"A   Up"}}, {L"Other", L"1", {}}});
    store.ListMacros(state);

    EXPECT_THAT(state.names, ElementsAre(L"Macro_1", L"Other"));
    EXPECT_EQ(state.selection, 0u);
    EXPECT_THAT(state.lines, ElementsAre(L"A   Dn", L"120 ms", L"A   Up"));
    EXPECT_THAT(state.selectedMacroLog, ElementsAre(L"Macro_1", L"3", L"A   Dn", L"120 ms", L"A   Up"));
    EXPECT_EQ(state.loopCountText, L"3");
    EXPECT_TRUE(state.loopCountChecked);
    EXPECT_TRUE(state.recordDelays);
    EXPECT_EQ(state.workingImages[0][1], 3);
}

TEST_F(MacroStoreTest, LoopCountsOutsideTheRangeLoadAsOne)
{
    for (const wchar_t* stored : {L"0", L"70000", L"x"}) {
        Store({{L"M", stored, {L"A   Dn"}}});
        state.workingImages[0].fill(0xEE);
        store.ListMacros(state);
        EXPECT_EQ(state.loopCountText, L"1") << stored;
        EXPECT_FALSE(state.loopCountChecked) << stored;
        EXPECT_EQ(Get(L"M", L"MacroLoopTimes"), L"1") << stored;
        EXPECT_EQ(state.workingImages[0][0], 0x00) << stored;
        EXPECT_EQ(state.workingImages[0][1], 0x01) << stored;
        // The log keeps the text as it was read.
        EXPECT_EQ(state.selectedMacroLog[1], stored);
    }
}

TEST_F(MacroStoreTest, DelayOptionFollowsOnlyZeroAndOne)
{
    Store({{L"M", L"1", {}}});
    state.names = {L"M"};
    for (const auto& [stored, before, after] :
         {std::tuple{L"1", false, true}, {L"0", true, false}, {L"", true, false}, {L"7", true, true}}) {
        Put(L"M", L"DelayTimeSelStatus", stored);
        state.recordDelays = before;
        Select(0);
        EXPECT_EQ(state.recordDelays, after) << stored;
    }
}

TEST_F(MacroStoreTest, DeletingTheOnlyMacroLeavesAnEmptyIndex)
{
    Store({{L"Solo", L"1", {L"A   Dn"}}});
    store.ListMacros(state);
    store.DeleteMacro(state);

    EXPECT_TRUE(state.names.empty());
    EXPECT_FALSE(state.selection);
    EXPECT_TRUE(state.lines.empty());
    EXPECT_EQ(Get(L"MacroName", L"MacroCount"), L"0");
    EXPECT_EQ(Get(L"MacroName", L"0"), L"");
    EXPECT_EQ(Get(L"Solo", L"ItemCount"), L"<none>");
}

TEST_F(MacroStoreTest, DeletingMovesTheFollowingMacrosUp)
{
    StoreThree();
    store.ListMacros(state);
    Select(1);
    store.DeleteMacro(state);

    EXPECT_EQ(Get(L"MacroName", L"MacroCount"), L"2");
    EXPECT_EQ(Get(L"MacroName", L"0"), L"One");
    EXPECT_EQ(Get(L"MacroName", L"1"), L"Three");
    EXPECT_EQ(Get(L"MacroName", L"2"), L"<none>");
    EXPECT_EQ(Get(L"Two", L"MacroLoopTimes"), L"<none>");
    EXPECT_EQ(Get(L"Three", L"Item2"), L"C   Up");
    // The same position now shows the macro that moved into it.
    EXPECT_EQ(state.selection, 1u);
    EXPECT_THAT(state.lines, ElementsAre(L"C   Dn", L"40 ms", L"C   Up"));

    store.DeleteMacro(state);
    EXPECT_EQ(state.selection, 0u);
    EXPECT_THAT(state.lines, ElementsAre(L"A   Dn", L"A   Up"));
}

TEST_F(MacroStoreTest, DeleteCreatesTheStoreWhenThereIsNone)
{
    state.names = {L"New"};
    state.selection = 0;
    store.DeleteMacro(state);
    EXPECT_EQ(Get(L"MacroName", L"MacroCount"), L"0");
}

TEST_F(MacroStoreTest, EmptiedMacroLosesItsSectionAndImage)
{
    StoreThree();
    store.ListMacros(state);
    state.workingImages[0].fill(0x11);
    state.lines.clear();
    store.OnWriteMacroToIni(state);

    EXPECT_EQ(Get(L"One", L"MacroLoopTimes"), L"<none>");
    EXPECT_EQ(state.workingImages[0][0], 0);
    EXPECT_EQ(state.workingImages[0][127], 0);

    Select(0);
    EXPECT_EQ(Get(L"One", L"MacroLoopTimes"), L"1");
    EXPECT_EQ(state.loopCountText, L"1");
    EXPECT_TRUE(state.lines.empty());
}

TEST_F(MacroStoreTest, WritingTheSelectedMacroStoresWhatTheWindowShows)
{
    StoreThree();
    store.ListMacros(state);
    Select(2);
    state.lines = {L"D   Dn", L"1234 ms"};
    state.loopCountText = L"9";
    state.recordDelays = false;
    const std::uint64_t before = clock.Now();
    store.OnWriteMacroToIni(state);

    EXPECT_EQ(Get(L"Three", L"DelayTimeSelStatus"), L"0");
    EXPECT_EQ(Get(L"Three", L"MacroLoopTimes"), L"9");
    EXPECT_EQ(Get(L"Three", L"ItemCount"), L"2");
    EXPECT_EQ(Get(L"Three", L"Item1"), L"1234 ms");
    EXPECT_EQ(Get(L"Three", L"Item2"), L"<none>");
    EXPECT_EQ(clock.Now() - before, 100u);
}

TEST_F(MacroStoreTest, EditedMacroKeepsTheLoopCountTypedSinceSelection)
{
    StoreThree();
    store.ListMacros(state);
    Select(1);
    state.loopCountText = L"7";
    store.WriteLoopTimes(state);
    state.names[1] = L"Renamed";
    store.SaveEditedMacro(state);

    EXPECT_EQ(Get(L"Renamed", L"MacroLoopTimes"), L"7");
    EXPECT_EQ(Get(L"Renamed", L"Item0"), L"B   Dn");
    EXPECT_EQ(Get(L"MacroName", L"1"), L"Renamed");
}

TEST_F(MacroStoreTest, RenamingOntoAnotherNameSharesItsSection)
{
    StoreThree();
    store.ListMacros(state);
    Select(1);
    state.names[1] = L"One";
    store.SaveEditedMacro(state);

    EXPECT_EQ(Get(L"MacroName", L"0"), L"One");
    EXPECT_EQ(Get(L"MacroName", L"1"), L"One");
    EXPECT_EQ(Get(L"One", L"ItemCount"), L"1");
    EXPECT_EQ(Get(L"One", L"Item0"), L"B   Dn");
}

TEST_F(MacroStoreTest, ChangingTheSelectionWhileRecordingSavesTheRecording)
{
    StoreThree();
    store.ListMacros(state);
    state.recording = true;
    state.recordLog = {L"One", L"1", L"4", L"X   Dn", L"25 ms", L"X   Up"};
    Select(2);

    EXPECT_FALSE(state.recording);
    EXPECT_EQ(Get(L"One", L"DelayTimeSelStatus"), L"1");
    EXPECT_EQ(Get(L"One", L"MacroLoopTimes"), L"4");
    EXPECT_EQ(Get(L"One", L"ItemCount"), L"3");
    EXPECT_EQ(Get(L"One", L"Item2"), L"X   Up");
    EXPECT_THAT(state.lines, ElementsAre(L"C   Dn", L"40 ms", L"C   Up"));
}

TEST_F(MacroStoreTest, ShortRecordLogWritesAMacroWithoutLines)
{
    StoreThree();
    state.names = {L"One", L"Two", L"Three"};
    state.recordLog = {L"Two"};
    store.SaveRecordLog(state);
    EXPECT_EQ(Get(L"Two", L"ItemCount"), L"0");
    EXPECT_EQ(Get(L"Two", L"MacroLoopTimes"), L"");
}

TEST_F(MacroStoreTest, WithoutTheFileOnlyTheUnconditionalWritesHappen)
{
    state.names = {L"New"};
    state.selection = 0;
    state.lines = {L"A   Dn"};
    state.recordLog = {L"New", L"0", L"1", L"A   Dn"};
    store.ListMacros(state);
    store.OnWriteMacroToIni(state);
    store.SaveRecordLog(state);
    store.SaveEditedMacro(state);
    store.OnBnMacroSave(state);
    EXPECT_FALSE(file.Exists());

    state.loopCountText = L"2";
    store.WriteLoopTimes(state);
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(Get(L"New", L"MacroLoopTimes"), L"2");
}

TEST_F(MacroStoreTest, OkAfterDeletingTheMiddleMacroRebuildsEveryImage)
{
    StoreThree();
    store.ListMacros(state);
    state.workingImages[2].fill(0x33);
    Select(1);
    store.DeleteMacro(state);
    store.OnBnMacroSave(state);

    EXPECT_EQ(state.workingImages[0][2], 0x01);  // One: A pressed, after the shortest wait
    EXPECT_EQ(state.workingImages[0][3], 0x04);
    EXPECT_EQ(state.workingImages[1][1], 3);  // Three, loop count 3
    EXPECT_EQ(state.workingImages[1][3], 0x06);
    EXPECT_EQ(state.workingImages[2], StoredMacroImage{});
}

TEST_F(MacroStoreTest, OkAfterDeletingTheLastMacroClearsItsSlot)
{
    StoreThree();
    store.ListMacros(state);
    store.OnBnMacroSave(state);
    ASSERT_NE(state.workingImages[2], StoredMacroImage{});
    Select(2);
    store.DeleteMacro(state);
    store.OnBnMacroSave(state);
    EXPECT_EQ(state.workingImages[2], StoredMacroImage{});
    EXPECT_NE(state.workingImages[1], StoredMacroImage{});
}

// The deleted macros must not stay in the settings and play on the mouse.
TEST_F(MacroStoreTest, OkAfterDeletingEveryMacroClearsEveryImage)
{
    Store({{L"Solo", L"2", {L"A   Dn"}}});
    store.ListMacros(state);
    store.OnBnMacroSave(state);
    ASSERT_EQ(state.workingImages[0][1], 2);
    store.DeleteMacro(state);
    store.OnBnMacroSave(state);
    EXPECT_EQ(state.workingImages[0], StoredMacroImage{});
}

TEST_F(MacroStoreTest, HugeCountsInADamagedStoreStayBounded)
{
    Put(L"MacroName", L"MacroCount", L"2000000000");
    Put(L"MacroName", L"0", L"M");
    Put(L"M", L"ItemCount", L"2000000000");
    store.ListMacros(state);
    EXPECT_EQ(state.names.size(), 4096u);
    EXPECT_EQ(state.lines.size(), 4096u);
}

}  // namespace
}  // namespace norvale
