#pragma once
#include <atomic>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace norvale::testing {

// A fresh folder under the system's temporary folder, removed with its content.
class TemporaryFolder {
public:
    TemporaryFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("norvale-settings-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++)))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return (path_ / name).wstring(); }

private:
    static inline std::atomic<int> counter_ = 0;
    std::filesystem::path path_;
};

}  // namespace norvale::testing
