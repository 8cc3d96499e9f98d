#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "settings/settings_files.h"

namespace norvale::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A settings file whose every settings byte is the given value.
inline Bytes SettingsFileOf(std::uint8_t value)
{
    Bytes bytes(kSettingsFileSize, value);
    bytes[0] = 0x01;
    return bytes;
}

}  // namespace norvale::testing
