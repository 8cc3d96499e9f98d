#include <gmock/gmock.h>

#include <csignal>
#include <map>
#include <thread>

#include "hidapi/hidapi_stand_in.h"
#include "hidapi_mouse_access.h"
#include "settings/file_bytes.h"
#include "settings/temporary_folder.h"
#include "support/debug_recorder.h"
#include "support/norvalectl_run.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using testing::Lines;
using testing::ToolRun;

// Every file of a folder with its content, to see that nothing changed.
std::map<std::string, testing::Bytes> Snapshot(const std::filesystem::path& folder)
{
    std::map<std::string, testing::Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = testing::ReadBytes(entry.path());
    return files;
}

// norvalectl in-process, its device commands reaching the emulated mouse
// through the hidapi bus and the stand-in library, in virtual time; and an
// installation folder made by "norvalectl defaults".
class NorvalectlOnHidapi : public ::testing::Test {
protected:
    NorvalectlOnHidapi()
    {
        tools::SetMouseAccessFactory([this](std::ostream& err) {
            return std::make_unique<tools::HidapiMouseAccess>(testing::HidapiStandIn::Functions(), clock, err);
        });
        EXPECT_EQ(Run({"defaults", "--dir", Folder()}).exitCode, 0);
    }
    ~NorvalectlOnHidapi() override { tools::SetMouseAccessFactory({}); }

    std::string Folder() const { return folder.path().string(); }
    static ToolRun Run(const std::vector<std::string>& arguments) { return testing::Norvalectl(arguments); }

    testing::DebugRecorder debug;
    testing::TemporaryFolder folder;
    VirtualClock clock;
    EmulatedMouse mouse{clock};
    testing::HidapiStandIn standIn{mouse};
};

TEST_F(NorvalectlOnHidapi, ListShowsTheCollectionsAndInfoWhatTheMouseSays)
{
    const ToolRun list = Run({"list"});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_THAT(Lines(list.out), ElementsAre("/dev/hidraw0#0001:0002  usage page 0x0001, usage 0x0002",
                                             "/dev/hidraw1#ff00:ff00  usage page 0xFF00, usage 0xFF00  (commands)",
                                             "/dev/hidraw1#ff01:0001  usage page 0xFF01, usage 0x0001  (events)"));

    mouse.SetProfileIndex(3);
    const ToolRun info = Run({"info"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "firmware version: 01.07\nprofile index: 3\n");
}

TEST_F(NorvalectlOnHidapi, EveryDeviceCommandFailsWithExitCode1WithoutAMouse)
{
    mouse.Unplug();
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"list"}, {"info"}, {"watch"}, {"apply", "--dir", Folder()}}) {
        const ToolRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments[0];
        EXPECT_THAT(run.err, HasSubstr("norvalectl " + arguments[0] + ": no Norvale mouse found")) << arguments[0];
        EXPECT_EQ(run.out, "") << arguments[0];
    }
}

TEST_F(NorvalectlOnHidapi, ApplySendsWhatTheEmulatedApplySendsAndSavesTheFiles)
{
    testing::WriteBytes(folder.path() / "config0.bin", testing::Bytes(1805, 0x05));
    testing::TemporaryFolder emulatedFolder;
    std::filesystem::copy(folder.path(), emulatedFolder.path(), std::filesystem::copy_options::recursive |
                                                                 std::filesystem::copy_options::overwrite_existing);
    const ToolRun emulated = Run({"apply", "--emulated", "--dir", emulatedFolder.path().string()});
    ASSERT_EQ(emulated.exitCode, 0) << emulated.err;

    const ToolRun run = Run({"apply", "--dir", Folder()});

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(mouse.Trace(), Lines(emulated.out));
    const std::vector<std::string> progress = Lines(run.err);
    ASSERT_EQ(progress.size(), 14u);
    EXPECT_EQ(progress.front(), "norvalectl apply: sent profile image (1 of 14)");
    EXPECT_EQ(progress.back(), "norvalectl apply: sent macro block 12 (14 of 14)");
    EXPECT_EQ(testing::ReadBytes(folder.path() / "config0.bin")[1], 0x00);  // profileIndex, as the apply sets it
}

TEST_F(NorvalectlOnHidapi, MouseThatStopsAnsweringLeavesTheFilesAsTheyWere)
{
    const struct {
        const char* fault;
        std::function<void()> cause;
        const char* reason;
    } cases[] = {
        {"unplugged midway", [&] { mouse.SetFault(MouseFault::DisconnectMidTransfer); },
         "HID hid_write failed: No such device."},
        {"silent",
         [&] {
             mouse.Plug();
             standIn.Hang();
         },
         "HID hid_send_feature_report timed out after 1000 ms."},
    };
    for (const auto& [fault, cause, reason] : cases) {
        const auto before = Snapshot(folder.path());
        cause();
        const ToolRun run = Run({"apply", "--dir", Folder()});
        EXPECT_EQ(run.exitCode, 1) << fault;
        EXPECT_THAT(Lines(run.err), ElementsAre(reason, "norvalectl apply: the mouse stopped answering; the "
                                                        "settings files were left as they were"))
            << fault;
        EXPECT_EQ(Snapshot(folder.path()), before) << fault;
    }
    const ToolRun info = Run({"info"});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_THAT(info.err, HasSubstr("norvalectl info: the mouse stopped answering"));
}

TEST_F(NorvalectlOnHidapi, WatchPrintsTheEventsUntilCtrlCOrTheMouseGoes)
{
    const struct {
        const char* end;
        std::function<void()> cause;
        int exitCode;
        const char* lastLine;
    } cases[] = {
        {"Ctrl-C", [] { std::raise(SIGINT); }, 0, "norvalectl watch: watching the mouse; Ctrl-C ends"},
        {"unplug", [&] { mouse.Unplug(); }, 1, "norvalectl watch: the mouse went away"},
    };
    for (const auto& [end, cause, exitCode, lastLine] : cases) {
        mouse.Press(0x01, 0x02);
        mouse.Press(0x09, 0x03);
        std::thread user([&, cause = cause] {
            // The third read begins once both presses are printed.
            ASSERT_TRUE(standIn.WaitForReads(3));
            cause();
        });
        const ToolRun run = Run({"watch"});
        user.join();
        EXPECT_EQ(run.exitCode, exitCode) << end;
        EXPECT_THAT(Lines(run.out), ElementsAre("dpi stage 2", "macro 3")) << end;
        EXPECT_EQ(Lines(run.err).back(), lastLine) << end;
    }
}

}  // namespace
}  // namespace norvale
