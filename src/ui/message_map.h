#pragma once
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "ui/message.h"

namespace norvale::ui {

// A window class's table from window messages and command ids to member
// handlers. The first entry that matches handles the message; a message no
// entry matches is left to the base class's table or to default processing.
template <class Owner>
class MessageMap {
public:
    using Handler = std::intptr_t (Owner::*)(const Message&);

    struct Entry {
        std::uint32_t message;
        std::uint32_t firstId;  // command id range, used for WM_COMMAND only
        std::uint32_t lastId;
        Handler handler;
    };

    static Entry On(std::uint32_t message, Handler handler)
    {
        return {message, 0, 0xFFFF, handler};
    }
    static Entry Command(std::uint16_t id, Handler handler)
    {
        return {kCommandMessage, id, id, handler};
    }
    static Entry CommandRange(std::uint16_t firstId, std::uint16_t lastId, Handler handler)
    {
        return {kCommandMessage, firstId, lastId, handler};
    }

    MessageMap(std::initializer_list<Entry> entries) : entries_(entries) {}

    std::optional<std::intptr_t> Dispatch(Owner& owner, const Message& message) const
    {
        for (const Entry& entry : entries_) {
            if (Matches(entry, message)) return (owner.*entry.handler)(message);
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

    std::vector<Entry> entries_;
};

}  // namespace norvale::ui
