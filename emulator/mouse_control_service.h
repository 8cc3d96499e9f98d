#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "emulator/emulated_mouse.h"

namespace norvale {

// The control channel of the emulator: one command line in, its response
// lines out, the last of them "OK" or "ERR <reason>" (see emulator/README.md).
class MouseControlService {
public:
    explicit MouseControlService(EmulatedMouse& mouse) : mouse_(mouse) {}

    std::vector<std::string> Handle(std::string_view command);
    bool QuitRequested() const { return quit_; }

private:
    EmulatedMouse& mouse_;
    bool quit_ = false;
};

}  // namespace norvale
