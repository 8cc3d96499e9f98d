#include <gmock/gmock.h>

#include "macro/record_hook.h"
#include "support/debug_recorder.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr unsigned kKeyDown = 0x100;
constexpr unsigned kKeyUp = 0x101;
constexpr std::optional<KeyTransition> kPassedOn = std::nullopt;
constexpr std::optional<KeyTransition> kPress = KeyTransition::Press;
constexpr std::optional<KeyTransition> kRelease = KeyTransition::Release;

HookKeyEvent Event(unsigned virtualKey, unsigned flags)
{
    return {(flags & 0x80) ? kKeyUp : kKeyDown, {virtualKey, 0, flags}};
}

TEST(RecordHookTest, DecidesEachEventInTurn)
{
    struct Step {
        unsigned virtualKey;
        unsigned flags;
        std::optional<KeyTransition> posted;
        const wchar_t* keyName;  // LastKeyName afterwards
    };
    const Step steps[] = {
        {0x41, 0x00, kPress, L"A"},
        {0x41, 0x00, kPassedOn, L"A"},  // auto-repeat of the held key
        {0x41, 0x10, kPassedOn, L"A"},  // flags other than extended and key up do not count
        {0x41, 0x80, kRelease, L"A"},
        {0x0D, 0x01, kPress, L"Num Enter"},
        {0x0D, 0x01, kPress, L"Num Enter"},  // remembered as 0x6C, so not a repeat
        {0x0D, 0x81, kRelease, L"Num Enter"},
        {0x0D, 0x00, kPress, L"Enter"},
        {0x0D, 0x00, kPassedOn, L"Enter"},
        {0x03, 0x01, kPress, L""},  // Break has no name
        {0xA3, 0x81, kRelease, L"Right Ctrl"},
    };
    RecordHook hook;
    int taken = 0;
    for (const Step& step : steps) {
        const auto posted = hook.JournalRecordHook(0, Event(step.virtualKey, step.flags));
        const std::wstring context = std::to_wstring(step.virtualKey) + L"/" + std::to_wstring(step.flags);
        EXPECT_EQ(posted, step.posted) << context;
        EXPECT_EQ(hook.LastKeyName(), step.keyName) << context;
        if (posted) ++taken;
        EXPECT_EQ(hook.PostedKeyCount(), taken) << context;
    }
}

TEST(RecordHookTest, HookCodeAboveZeroIsPassedOnUnseen)
{
    RecordHook hook;
    EXPECT_EQ(hook.JournalRecordHook(1, Event(0x41, 0x00)), kPassedOn);
    EXPECT_EQ(hook.PostedKeyCount(), 0);
    // Not remembered either, so the same press is no repeat afterwards.
    EXPECT_EQ(hook.JournalRecordHook(0, Event(0x41, 0x00)), kPress);
}

TEST(RecordHookTest, WritesTwoDiagnosticLinesPerEventTaken)
{
    testing::DebugRecorder debug;
    RecordHook hook;
    hook.JournalRecordHook(0, {kKeyDown, {0x0D, 0x1C, 0x01}});
    hook.JournalRecordHook(0, {kKeyUp, 0x41, 0x1E, 0x90});
    EXPECT_THAT(debug.lines, ElementsAre(L"vk code=d,scan code=1c,key flag=1\n",
                                         L"virtual-key code :100l;GetKeyStr(6c)=Num Enter\n",
                                         L"vk code=41,scan code=1e,key flag=80\n",
                                         L"virtual-key code :101l;GetKeyStr(41)=A\n"));

    debug.lines.clear();
    hook.JournalRecordHook(0, {kKeyUp, 0x41, 0x1E, 0x80});
    hook.JournalRecordHook(1, {kKeyDown, {0x42, 0x30, 0x00}});
    EXPECT_THAT(debug.lines, IsEmpty());
}

}  // namespace
}  // namespace norvale
