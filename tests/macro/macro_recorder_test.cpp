#include <gmock/gmock.h>

#include "macro/macro_recorder.h"
#include "macro_store_fixture.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FakeKeyCapture final : public KeyCapture {
public:
    bool Install() override { return installed = failure == 0; }
    void Remove() override { installed = false; }
    bool Installed() const override { return installed; }
    std::uint32_t InstallError() const override { return failure; }

    bool installed = false;
    std::uint32_t failure = 0;
};

constexpr unsigned kA = 0x41;
constexpr unsigned kB = 0x42;

// The macro window with the store holding "Target" (shown) and "Other",
// and the hook handing each key it takes away straight to the window.
class MacroRecorderTest : public MacroStoreFixture {
protected:
    void SetUp() override
    {
        Store({{L"Target", L"2", {L"Z   Dn"}}, {L"Other", L"1", {L"Q   Dn"}}});
        store.ListMacros(state);
        // The stored macros were recorded with delays; each test chooses.
        state.recordDelays = false;
    }
    RecorderOutcome Key(unsigned virtualKey, unsigned flags)
    {
        const auto posted = hook.JournalRecordHook(0, {0x100, {virtualKey, 0, flags}});
        return posted ? recorder.OnMacroKeyEvent(state, *posted) : RecorderOutcome{};
    }
    RecorderOutcome Press(unsigned virtualKey) { return Key(virtualKey, 0x00); }
    RecorderOutcome Release(unsigned virtualKey) { return Key(virtualKey, 0x80); }

    RecordHook hook;
    FakeKeyCapture capture;
    MacroRecorder recorder{store, hook, capture, clock};
};

TEST_F(MacroRecorderTest, WithoutDelaysAKeyGivesItsTwoLines)
{
    const RecorderOutcome started = recorder.StartRecording(state);
    EXPECT_TRUE(started.recordButtonChanged);
    EXPECT_TRUE(state.recording);
    EXPECT_TRUE(capture.installed);
    EXPECT_THAT(state.lines, IsEmpty());

    clock.Advance(300);
    Press(kA);
    clock.Advance(80);
    EXPECT_TRUE(Release(kA).lineAdded);

    EXPECT_THAT(state.lines, ElementsAre(L"A   Dn", L"A   Up"));
    EXPECT_THAT(state.recordLog, ElementsAre(L"Target", L"0", L"2", L"A   Dn", L"A   Up"));
}

TEST_F(MacroRecorderTest, WithDelaysEveryLineAfterTheFirstPressFollowsItsPause)
{
    state.recordDelays = true;
    recorder.StartRecording(state);
    clock.Advance(1000);
    Press(kA);
    clock.Advance(120);
    Press(kB);
    clock.Advance(30);
    Release(kA);
    Release(kB);

    EXPECT_THAT(state.lines, ElementsAre(L"A   Dn", L"120 ms", L"B   Dn", L"30 ms", L"A   Up", L"0 ms", L"B   Up"));
    EXPECT_THAT(state.recordLog,
                ElementsAre(L"Target", L"1", L"2", L"A   Dn", L"120 ms", L"B   Dn", L"30 ms", L"A   Up", L"0 ms", L"B   Up"));
}

TEST_F(MacroRecorderTest, ReleaseBeforeAnyPressIsTimedFromTheLastRecordedEvent)
{
    state.recordDelays = true;
    clock.Advance(5000);
    recorder.StartRecording(state);
    Release(kA);
    clock.Advance(40);
    Press(kB);
    // The first recording of the run measures from tick 0; the press after
    // the release is still the first press.
    EXPECT_THAT(state.lines, ElementsAre(L"5000 ms", L"A   Up", L"B   Dn"));

    // Later recordings measure from the last event of the one before; the
    // store's 100 ms pause after saving is part of that.
    recorder.StopRecording(state);
    clock.Advance(700);
    recorder.StartRecording(state);
    Release(kB);
    EXPECT_THAT(state.lines, ElementsAre(L"800 ms", L"B   Up"));
}

TEST_F(MacroRecorderTest, HeldKeyIsRecordedOnceAcrossRecordings)
{
    recorder.StartRecording(state);
    Press(kA);
    Press(kA);
    Press(kA);
    Release(kA);
    EXPECT_THAT(state.lines, ElementsAre(L"A   Dn", L"A   Up"));

    // The hook still remembers the release, so the same event in the next
    // recording is passed on.
    recorder.StopRecording(state);
    recorder.StartRecording(state);
    Release(kA);
    EXPECT_THAT(state.lines, IsEmpty());
}

TEST_F(MacroRecorderTest, StoppingStoresTheRecordingInTheSelectedMacro)
{
    state.loopCountText = L"4";
    recorder.StartRecording(state);
    Press(kA);
    Release(kA);
    const RecorderOutcome stopped = recorder.StopRecording(state);

    EXPECT_TRUE(stopped.recordButtonChanged);
    EXPECT_FALSE(state.recording);
    EXPECT_FALSE(capture.installed);
    EXPECT_EQ(state.recordState, RecordState::Stopped);
    EXPECT_EQ(Get(L"Target", L"DelayTimeSelStatus"), L"0");
    EXPECT_EQ(Get(L"Target", L"MacroLoopTimes"), L"4");
    EXPECT_EQ(Get(L"Target", L"ItemCount"), L"2");
    EXPECT_EQ(Get(L"Target", L"Item0"), L"A   Dn");
    EXPECT_EQ(Get(L"Target", L"Item1"), L"A   Up");
    EXPECT_EQ(Get(L"Other", L"Item0"), L"Q   Dn");

    // Once stopped, stopping again stores nothing.
    state.lines.clear();
    EXPECT_FALSE(recorder.StopRecording(state).recordButtonChanged);
    EXPECT_EQ(Get(L"Target", L"ItemCount"), L"2");
}

TEST_F(MacroRecorderTest, TheSixtyThirdKeyEventStopsTheRecording)
{
    recorder.StartRecording(state);
    for (int pair = 0; pair < 31; ++pair) {
        Press(kA);
        Release(kA);
    }
    EXPECT_TRUE(state.recording);
    const RecorderOutcome last = Press(kB);

    EXPECT_TRUE(last.recordButtonChanged);
    EXPECT_FALSE(last.lineAdded);
    EXPECT_FALSE(state.recording);
    EXPECT_FALSE(capture.installed);
    ASSERT_EQ(state.lines.size(), 62u);
    EXPECT_EQ(state.lines.back(), L"A   Up");
    EXPECT_EQ(Get(L"Target", L"ItemCount"), L"62");
}

TEST_F(MacroRecorderTest, SelectingAnotherMacroStoresTheRecordingUnderTheFirst)
{
    state.recordDelays = true;
    recorder.StartRecording(state);
    Press(kA);
    clock.Advance(25);
    Release(kA);
    state.selection = 1;
    const RecorderOutcome outcome = recorder.OnMacroNameListSelchange(state);

    EXPECT_TRUE(outcome.recordButtonChanged);
    EXPECT_FALSE(state.recording);
    EXPECT_FALSE(state.recordingActive);
    EXPECT_FALSE(capture.installed);
    EXPECT_EQ(Get(L"Target", L"DelayTimeSelStatus"), L"1");
    EXPECT_EQ(Get(L"Target", L"ItemCount"), L"3");
    EXPECT_EQ(Get(L"Target", L"Item1"), L"25 ms");
    EXPECT_EQ(Get(L"Other", L"ItemCount"), L"1");
    EXPECT_THAT(state.lines, ElementsAre(L"Q   Dn"));

    // Without a recording it only shows the selected macro.
    state.selection = 0;
    EXPECT_FALSE(recorder.OnMacroNameListSelchange(state).recordButtonChanged);
    EXPECT_THAT(state.lines, ElementsAre(L"A   Dn", L"25 ms", L"A   Up"));
}

TEST_F(MacroRecorderTest, FailedHookInstallLeavesRecordingOff)
{
    capture.failure = 1428;
    const RecorderOutcome outcome = recorder.StartRecording(state);

    EXPECT_EQ(outcome.message, L"JournalRecordHook Install error code :1428\n");
    EXPECT_FALSE(outcome.recordButtonChanged);
    EXPECT_FALSE(state.recording);
    EXPECT_FALSE(state.recordingActive);
    EXPECT_THAT(state.lines, IsEmpty());
    // The button then stops a recording that never ran: the store keeps the
    // macro's lines instead of losing its emptied section.
    recorder.StopRecording(state);
    EXPECT_EQ(Get(L"Target", L"Item0"), L"Z   Dn");
}

TEST_F(MacroRecorderTest, NothingStartsWithoutASelection)
{
    state.selection.reset();
    EXPECT_FALSE(recorder.StartRecording(state).recordButtonChanged);
    EXPECT_FALSE(capture.installed);
    EXPECT_THAT(state.lines, ElementsAre(L"Z   Dn"));
}

}  // namespace
}  // namespace norvale
