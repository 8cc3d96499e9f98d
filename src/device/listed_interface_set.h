#pragma once
#include <string>
#include <utility>
#include <vector>

#include "device/hid_bus.h"

namespace norvale {

// Interfaces taken down in one go, by their paths, as the buses that stand
// in for the system's list them.
class ListedInterfaceSet final : public HidInterfaceSet {
public:
    explicit ListedInterfaceSet(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}

    InterfaceLookup Interface(std::uint32_t memberIndex, std::wstring& path) override
    {
        if (memberIndex >= paths_.size()) return InterfaceLookup::NoMoreItems;
        path = paths_[memberIndex];
        return InterfaceLookup::Found;
    }

private:
    std::vector<std::wstring> paths_;
};

}  // namespace norvale
