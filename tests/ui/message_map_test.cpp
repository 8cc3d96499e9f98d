#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/message_crackers.h"
#include "ui/message_map.h"

namespace norvale::ui {
namespace {

constexpr std::uint32_t kPaint = 0x000F;
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kMarkerChanged = 0x2B15;

// A window's table as a page will write it: raw, typed and argument-free
// handlers, one that passes a message on, and command ids and ranges.
struct Recorder {
    std::string calls;
    std::optional<std::uint16_t> claimedCode;

    std::intptr_t OnPaint(const Message&) { calls += "paint;"; return 1; }
    void OnWeb() { calls += "web;"; }
    std::intptr_t OnMenu(const CommandArgs& c) { calls += "menu" + std::to_string(c.id) + ";"; return 3; }
    std::intptr_t OnPress(const MouseArgs& m)
    {
        calls += "press" + std::to_string(m.point.x) + "," + std::to_string(m.point.y) + "/" + std::to_string(m.keys) + ";";
        return 4;
    }
    void OnMarker(const MarkerArgs& m) { calls += "marker" + std::to_string(m.controlId) + "=" + std::to_string(m.value) + ";"; }
    // Takes only the notification code it claims; others go to the entries after it.
    std::optional<std::intptr_t> OnClaimed(const CommandArgs& c)
    {
        if (!claimedCode || c.code != *claimedCode) return std::nullopt;
        calls += "claimed;";
        return 5;
    }

    static const MessageMap<Recorder>& Map()
    {
        using M = MessageMap<Recorder>;
        static const M map{
            M::On(kPaint, &Recorder::OnPaint),
            M::On(kLeftButtonDown, &Recorder::OnPress),
            M::On(kMarkerChanged, &Recorder::OnMarker),
            M::CommandRange(1001, 4000, &Recorder::OnClaimed),
            M::Command(1001, &Recorder::OnWeb),
            M::CommandRange(1001, 4000, &Recorder::OnMenu),
        };
        return map;
    }
};

Message Command(std::uint16_t id, std::uint16_t code = 0, std::intptr_t control = 0)
{
    return {kCommandMessage, static_cast<std::uintptr_t>(code) << 16 | id, control};
}

TEST(MessageMap, FirstMatchingEntryWinsAndCommandsMatchOnTheLowWordOnly)
{
    Recorder r;
    EXPECT_EQ(Recorder::Map().Dispatch(r, {kPaint, 7, 9}), 1);
    EXPECT_EQ(Recorder::Map().Dispatch(r, Command(1001)), 0);      // single id before the range; void answers 0
    EXPECT_EQ(Recorder::Map().Dispatch(r, Command(4000, 1)), 3);   // notification code ignored
    EXPECT_EQ(Recorder::Map().Dispatch(r, Command(1500)), 3);
    EXPECT_EQ(r.calls, "paint;web;menu4000;menu1500;");
}

TEST(MessageMap, UnmatchedMessagesAreLeftForDefaultProcessing)
{
    Recorder r;
    EXPECT_FALSE(Recorder::Map().Dispatch(r, Command(1000)).has_value());
    EXPECT_FALSE(Recorder::Map().Dispatch(r, Command(4001)).has_value());
    EXPECT_FALSE(Recorder::Map().Dispatch(r, {0x0200, 0, 0}).has_value());
    EXPECT_TRUE(r.calls.empty());
}

TEST(MessageMap, AHandlerThatDeclinesPassesTheMessageToTheEntriesAfterIt)
{
    Recorder r;
    r.claimedCode = 7;
    EXPECT_EQ(Recorder::Map().Dispatch(r, Command(2000, 7)), 5);
    EXPECT_EQ(Recorder::Map().Dispatch(r, Command(2000, 8)), 3);
    EXPECT_EQ(r.calls, "claimed;menu2000;");
}

TEST(MessageMap, TypedHandlersReceiveTheUnpackedArguments)
{
    Recorder r;
    // A captured pointer left of and above the window: the point stays signed.
    const std::intptr_t packed = PackPoint({-3, -40});
    EXPECT_EQ(Recorder::Map().Dispatch(r, {kLeftButtonDown, 0x0001, packed}), 4);
    EXPECT_EQ(Recorder::Map().Dispatch(r, {kMarkerChanged, 9, 2026}), 0);
    EXPECT_EQ(r.calls, "press-3,-40/1;marker2026=9;");
}

TEST(MessageCrackers, UnpackWhatEachMessageCarries)
{
    const CommandArgs command = CommandArgs::From(Command(2, 0, 0x5A5A));
    EXPECT_EQ(command.id, 2);
    EXPECT_EQ(command.code, 0);
    EXPECT_EQ(command.control, static_cast<WindowHandle>(0x5A5A));
    EXPECT_EQ(CommandArgs::From(Command(1001)).control, WindowHandle::None);  // a menu's command

    const MouseArgs mouse = MouseArgs::From({kLeftButtonDown, 0x0009, PackPoint({994, 634})});
    EXPECT_EQ(mouse.point, (Point{994, 634}));
    EXPECT_EQ(mouse.keys, 0x0009u);
    // Only the low 32 bits carry the point, whatever lies above them.
    EXPECT_EQ(MouseArgs::From({kLeftButtonDown, 0, PackPoint({5, 6}) | (std::intptr_t{1} << 40)}).point, (Point{5, 6}));

    EXPECT_EQ(DeviceChangeArgs::From({0x0219, 0x8000, 0x1234}).event, 0x8000u);
    EXPECT_EQ(DeviceChangeArgs::From({0x0219, 0x8000, 0x1234}).broadcast, 0x1234u);
    EXPECT_EQ(TimerArgs::From({0x0113, 200, 0}).id, 200u);
    EXPECT_EQ(TrayIconArgs::From({0x7F1, 128, 0x0203}).mouseMessage, 0x0203);
    EXPECT_EQ(DeviceNotifyArgs::From({0x7F2, 9, 2}).code, 9u);
    EXPECT_EQ(DeviceNotifyArgs::From({0x7F2, 9, 2}).value, 2);
    EXPECT_EQ(ProfileActionArgs::From({0xB03, 3, 5}).position, 5);
    EXPECT_TRUE(MacroKeyEventArgs::From({0x926, 1, 0}).released);
    EXPECT_FALSE(MacroKeyEventArgs::From({0x926, 0, 0}).released);
    EXPECT_EQ(ListEditEndArgs::From({0x464, 4, 11}).row, 11);
    const ScrollFrameLayoutArgs layout = ScrollFrameLayoutArgs::From({0x464, 1, 0});
    EXPECT_TRUE(layout.verticalBar);
    EXPECT_FALSE(layout.barOnLeft);

    // A notch towards the user is negative; the pointer may lie left of the screen.
    const WheelArgs wheel = WheelArgs::From({0x020A, 0xFF880008, PackPoint({-5, 700})});
    EXPECT_EQ(wheel.delta, -120);
    EXPECT_EQ(wheel.keys, 0x0008u);
    EXPECT_EQ(wheel.screenPoint, (Point{-5, 700}));
    const ScrollArgs scroll = ScrollArgs::From({0x0115, 483u << 16 | 5, 0});
    EXPECT_EQ(scroll.request, 5);
    EXPECT_EQ(scroll.position, 483);
    EXPECT_EQ(scroll.bar, WindowHandle::None);
}

TEST(MessageCrackers, ReflectedNotificationsKeepClearOfTheProgramsOwnMessages)
{
    // The program's own numbers (0x464 … 0x2B16) must never read as a
    // reflected notification of the messages controls send.
    for (const std::uint32_t notification : {0x0111u, 0x004Eu, 0x002Bu, 0x0133u, 0x0138u, 0x0114u, 0x0115u}) {
        const std::uint32_t reflected = Reflected(notification);
        for (const std::uint32_t own : {0x7F1u, 0x7F2u, 0x7F4u, 0xB03u, 0xB04u, 0x926u, 0x2B15u, 0x2B16u, 0x464u}) {
            EXPECT_NE(reflected, own);
        }
    }
}

}  // namespace
}  // namespace norvale::ui
