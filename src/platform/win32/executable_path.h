#pragma once
#include <string>

namespace norvale {

// The full path of the running executable (GetModuleFileNameW, at most 1024
// characters); the settings files lie beside it.
std::wstring ExecutablePath();

}  // namespace norvale
