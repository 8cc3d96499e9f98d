#include <gtest/gtest.h>

#include "platform/clock.h"
#include "support/debug_recorder.h"

namespace norvale {
namespace {

TEST(DebugOutput, LinesReachTheInstalledSinkVerbatimAndAreDroppedWithout)
{
    DebugLine(L"dropped, nobody listens\n");
    {
        testing::DebugRecorder recorder;
        DebugLine(L"FW version:01-02\n");
        DebugLine(L"");
        ASSERT_EQ(recorder.lines.size(), 2u);
        EXPECT_EQ(recorder.lines[0], L"FW version:01-02\n");
    }
    DebugLine(L"dropped again");
}

TEST(VirtualClock, MovesOnlyBySleepingOrAdvancing)
{
    VirtualClock clock;
    EXPECT_EQ(clock.TickCount(), 0u);
    clock.Sleep(100);
    clock.Advance(5);
    EXPECT_EQ(clock.Now(), 105u);
    EXPECT_EQ(clock.TickCount(), 105u);
}

}  // namespace
}  // namespace norvale
