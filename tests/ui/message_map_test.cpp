#include <gtest/gtest.h>

#include <string>

#include "ui/message_map.h"

namespace norvale::ui {
namespace {

constexpr std::uint32_t kPaint = 0x000F;

struct Recorder {
    std::string calls;
    std::intptr_t OnPaint(const Message&) { calls += "paint;"; return 1; }
    std::intptr_t OnWeb(const Message&) { calls += "web;"; return 2; }
    std::intptr_t OnMenu(const Message& m) { calls += "menu" + std::to_string(CommandId(m)) + ";"; return 3; }

    static const MessageMap<Recorder>& Map()
    {
        using M = MessageMap<Recorder>;
        static const M map{
            M::On(kPaint, &Recorder::OnPaint),
            M::Command(1001, &Recorder::OnWeb),
            M::CommandRange(1001, 4000, &Recorder::OnMenu),
        };
        return map;
    }
};

Message Command(std::uint16_t id, std::uint16_t notification = 0)
{
    return {kCommandMessage, static_cast<std::uintptr_t>(notification) << 16 | id, 0};
}

TEST(MessageMap, FirstMatchingEntryWinsAndCommandsMatchOnTheLowWordOnly)
{
    Recorder r;
    EXPECT_EQ(Recorder::Map().Dispatch(r, {kPaint, 7, 9}), 1);
    EXPECT_EQ(Recorder::Map().Dispatch(r, Command(1001)), 2);      // single id before the range
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

}  // namespace
}  // namespace norvale::ui
