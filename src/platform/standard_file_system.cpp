#include "platform/standard_file_system.h"

#include <cerrno>
#include <fstream>

#include "platform/native_path.h"

namespace norvale {

bool StandardFileSystem::Exists(const std::wstring& path)
{
    std::error_code ignored;
    return std::filesystem::exists(NativePath(path), ignored);
}

std::optional<std::vector<std::uint8_t>> StandardFileSystem::Read(const std::wstring& path,
                                                                      std::size_t maxBytes)
{
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(maxBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::error_code StandardFileSystem::WriteThrough(const std::wstring& path,
                                                     std::span<const std::uint8_t> bytes)
{
    errno = 0;
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    if (!out) return std::error_code(errno ? errno : EIO, std::generic_category());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return std::error_code(errno ? errno : EIO, std::generic_category());
    return {};
}

std::error_code StandardFileSystem::Replace(const std::wstring& source, const std::wstring& target)
{
    std::error_code error;
    std::filesystem::rename(NativePath(source), NativePath(target), error);
    return error;
}

void StandardFileSystem::Remove(const std::wstring& path)
{
    std::error_code ignored;
    std::filesystem::remove(NativePath(path), ignored);
}

}  // namespace norvale
