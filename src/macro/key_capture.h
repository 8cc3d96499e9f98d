#pragma once
#include <cstdint>

namespace norvale {

// The desktop-wide key capture the recorder switches on and off; on Windows
// the low-level keyboard hook that runs RecordHook.
class KeyCapture {
public:
    virtual ~KeyCapture() = default;
    // False when the capture could not be installed; InstallError then says why.
    virtual bool Install() = 0;
    // Does nothing when nothing is installed.
    virtual void Remove() = 0;
    virtual bool Installed() const = 0;
    // The system's error code of the last failed Install.
    virtual std::uint32_t InstallError() const = 0;
};

}  // namespace norvale
