#include "device/call_failure_log.h"

#include <gmock/gmock.h>

#include "support/debug_recorder.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = CallFailure::Kind;

TEST(CallFailureLine, NamesTheCallAndHowItFailed)
{
    struct Case {
        const wchar_t* call;
        CallFailure failure;
        const wchar_t* line;
    };
    const Case cases[] = {
        {L"WriteFile", {Kind::SystemError, 1167}, L"HID WriteFile failed: system error 1167 (0x48F).\n"},
        {L"ReadFile", {Kind::SystemError, 0xFFFFFFFF}, L"HID ReadFile failed: system error 4294967295 (0xFFFFFFFF).\n"},
        {L"HidP_GetCaps", {Kind::Status, 0xC0110001}, L"HID HidP_GetCaps failed: status 0xC0110001.\n"},
        {L"HidP_GetCaps", {Kind::Status, 0x10}, L"HID HidP_GetCaps failed: status 0x00000010.\n"},
        {L"HidD_GetFeature", {Kind::TimedOut, 1000}, L"HID HidD_GetFeature timed out after 1000 ms.\n"},
        {L"HidD_SetFeature", {Kind::NoThread, 0}, L"HID HidD_SetFeature failed: no I/O thread.\n"},
        {L"hid_write", {Kind::Library, 0, L"Broken pipe"}, L"HID hid_write failed: Broken pipe.\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(CallFailureLine(c.call, c.failure), c.line) << c.line;
}

class CallFailureLogging : public ::testing::Test {
protected:
    testing::DebugRecorder debug;
    CallFailureLog log;
};

TEST_F(CallFailureLogging, RepeatedFailureIsWrittenOnce)
{
    for (int poll = 0; poll < 3; ++poll) log.Failed(L"ReadFile", {Kind::SystemError, 1167});
    EXPECT_THAT(debug.lines, ElementsAre(CallFailureLine(L"ReadFile", {Kind::SystemError, 1167})));
}

TEST_F(CallFailureLogging, ChangedFailureOrSuccessInBetweenWritesAgain)
{
    const CallFailure unplugged{Kind::SystemError, 1167};
    const CallFailure timedOut{Kind::TimedOut, 1167};
    log.Failed(L"ReadFile", unplugged);
    log.Failed(L"ReadFile", timedOut);
    log.Failed(L"ReadFile", unplugged);
    log.Succeeded(L"ReadFile");
    log.Failed(L"ReadFile", unplugged);
    EXPECT_THAT(debug.lines, ElementsAre(CallFailureLine(L"ReadFile", unplugged),
                                         CallFailureLine(L"ReadFile", timedOut),
                                         CallFailureLine(L"ReadFile", unplugged),
                                         CallFailureLine(L"ReadFile", unplugged)));
}

TEST_F(CallFailureLogging, EachCallKeepsItsOwnLastFailure)
{
    const CallFailure unplugged{Kind::SystemError, 1167};
    log.Failed(L"ReadFile", unplugged);
    log.Failed(L"WriteFile", unplugged);
    log.Succeeded(L"WriteFile");
    log.Failed(L"ReadFile", unplugged);
    EXPECT_THAT(debug.lines, ElementsAre(CallFailureLine(L"ReadFile", unplugged),
                                         CallFailureLine(L"WriteFile", unplugged)));
}

TEST_F(CallFailureLogging, SuccessWritesNothing)
{
    log.Succeeded(L"HidD_SetFeature");
    EXPECT_THAT(debug.lines, IsEmpty());
}

TEST(CallFailureLogTo, WritesItsLinesWhereItsOwnerWantsThemInstead)
{
    testing::DebugRecorder debug;
    std::vector<std::wstring> written;
    CallFailureLog log([&](std::wstring_view line) { written.emplace_back(line); });
    log.Failed(L"hid_write", {Kind::Library, 0, L"Broken pipe"});
    log.Failed(L"hid_write", {Kind::Library, 0, L"No such device"});
    EXPECT_THAT(written, ElementsAre(L"HID hid_write failed: Broken pipe.\n", L"HID hid_write failed: No such device.\n"));
    EXPECT_THAT(debug.lines, IsEmpty());
}

}  // namespace
}  // namespace norvale
