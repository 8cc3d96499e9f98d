#include <gmock/gmock.h>

#include "support/norvalectl_run.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using testing::Lines;
using testing::Norvalectl;
using testing::ToolRun;

TEST(NorvalectlEmulatedMouse, ListInfoAndWatchAnswerForTheEmulatedMouse)
{
    const ToolRun list = Norvalectl({"list", "--emulated"});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    const std::vector<std::string> collections = Lines(list.out);
    ASSERT_EQ(collections.size(), 2u) << list.out;
    EXPECT_THAT(collections[0], ::testing::EndsWith("usage page 0xFF00, usage 0xFF00  (commands)"));
    EXPECT_THAT(collections[1], ::testing::EndsWith("usage page 0xFF01, usage 0x0001  (events)"));

    const ToolRun info = Norvalectl({"info", "--emulated"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "firmware version: 01.07\nprofile index: 0\n");

    const ToolRun watch = Norvalectl({"watch", "--emulated", "--press", "1:2", "--press", "9:3", "--press", "12:1"});
    EXPECT_EQ(watch.exitCode, 0) << watch.err;
    EXPECT_THAT(Lines(watch.out), ElementsAre("dpi stage 2", "macro 3", "event 12 1"));
    EXPECT_EQ(Norvalectl({"watch", "--emulated"}).exitCode, 0);
}

TEST(NorvalectlEmulatedMouse, BadDeviceCommandLinesFailWithExitCode2)
{
    const std::vector<std::string> cases[] = {
        {"list", "--dir"},
        {"info", "--emulated", "--emulated"},
        {"watch", "--press", "1:2"},
        {"watch", "--emulated", "--press"},
        {"watch", "--emulated", "--press", "1"},
        {"watch", "--emulated", "--press", "1:256"},
        {"watch", "--emulated", "--press", "x:1"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        const ToolRun run = Norvalectl(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back();
        EXPECT_THAT(run.err, StartsWith("usage: norvalectl " + arguments[0])) << arguments.back();
    }
}

}  // namespace
}  // namespace norvale
