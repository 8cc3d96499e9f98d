#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <vector>

#include "ui/message.h"

namespace norvale::ui {

// A window class's table from window messages and command ids to member
// handlers. The first entry that matches handles the message; a message no
// entry matches is left to the base class's table or to default processing.
//
// A handler takes the raw Message, the message's typed arguments (any type
// with a static From(const Message&), see ui/message_crackers.h), or
// nothing, and returns the message's result: std::intptr_t; void, which
// answers 0; or std::optional<std::intptr_t>, whose nullopt passes the
// message on to the entries after it, as if this one had not matched.
template <class Owner>
class MessageMap {
public:
    using Call = std::function<std::optional<std::intptr_t>(Owner&, const Message&)>;

    struct Entry {
        std::uint32_t message;
        std::uint32_t firstId;  // command id range, used for WM_COMMAND only
        std::uint32_t lastId;
        Call call;
    };

    template <class Handler>
    static Entry On(std::uint32_t message, Handler handler)
    {
        return {message, 0, 0xFFFF, Bind(handler)};
    }
    template <class Handler>
    static Entry Command(std::uint16_t id, Handler handler)
    {
        return {kCommandMessage, id, id, Bind(handler)};
    }
    template <class Handler>
    static Entry CommandRange(std::uint16_t firstId, std::uint16_t lastId, Handler handler)
    {
        return {kCommandMessage, firstId, lastId, Bind(handler)};
    }

    MessageMap(std::initializer_list<Entry> entries) : entries_(entries) {}

    std::optional<std::intptr_t> Dispatch(Owner& owner, const Message& message) const
    {
        for (const Entry& entry : entries_) {
            if (!Matches(entry, message)) continue;
            if (auto result = entry.call(owner, message)) return result;
        }
        return std::nullopt;
    }

private:
    static bool Matches(const Entry& entry, const Message& message)
    {
        if (entry.message != message.id) return false;
        if (message.id != kCommandMessage) return true;
        const std::uint16_t id = CommandId(message);
        return id >= entry.firstId && id <= entry.lastId;
    }

    template <class Result, class Invoke>
    static std::optional<std::intptr_t> Answer(Invoke&& invoke)
    {
        if constexpr (std::is_void_v<Result>) {
            invoke();
            return std::intptr_t{0};
        } else {
            return invoke();
        }
    }

    template <class Result, class Args>
    static Call Bind(Result (Owner::*handler)(const Args&))
    {
        return [handler](Owner& owner, const Message& message) {
            return Answer<Result>([&] { return (owner.*handler)(Crack<Args>(message)); });
        };
    }

    template <class Result>
    static Call Bind(Result (Owner::*handler)())
    {
        return [handler](Owner& owner, const Message&) { return Answer<Result>([&] { return (owner.*handler)(); }); };
    }

    std::vector<Entry> entries_;
};

}  // namespace norvale::ui
