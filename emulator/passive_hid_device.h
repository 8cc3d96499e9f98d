#pragma once
#include "emulator/emulated_hid_device.h"

namespace norvale {

// A device that only shows its collections and answers nothing: the system's
// own keyboard, another vendor's gadget, or a look-alike with broken caps.
class PassiveHidDevice final : public EmulatedHidDevice {
public:
    explicit PassiveHidDevice(std::vector<EmulatedCollection> collections) : collections_(std::move(collections)) {}

    void ConnectTo(EmulatedBusPort*) override {}
    std::vector<EmulatedCollection> Collections() const override { return collections_; }
    unsigned Connection() const override { return 1; }
    bool SetFeature(std::size_t, std::span<const std::uint8_t>) override { return false; }
    bool GetFeature(std::size_t, std::span<std::uint8_t>, std::uint32_t) override { return false; }
    bool Write(std::size_t, std::span<const std::uint8_t>) override { return false; }
    std::size_t Read(std::size_t, std::span<std::uint8_t>, std::uint32_t) override { return 0; }
    std::optional<std::vector<std::uint8_t>> TakeEventReport(std::size_t) override { return std::nullopt; }

private:
    std::vector<EmulatedCollection> collections_;
};

// The keyboard collection the system holds exclusively.
EmulatedCollection SystemKeyboardCollection();

}  // namespace norvale
