#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile_file.h"

namespace norvale::testing {

// One behaviour of the private-profile functions that the utility relies on,
// stated so that it runs against any ProfileFile: our host implementation in
// the unit tests, the Windows functions in ini_conformance.exe.
struct IniOperation {
    enum class Kind { Write, DeleteKey, DeleteSection };
    Kind kind;
    std::wstring section;
    std::wstring key;
    std::wstring value;
};

struct IniRead {
    std::wstring section;
    std::wstring key;
    std::wstring fallback;
    std::wstring expected;
};

struct IniCase {
    std::string name;
    // The file before the operations: nothing for a missing file, otherwise
    // its text, stored as UTF-16LE with the mark or as plain ASCII/Latin-1.
    std::optional<std::wstring> initialText;
    bool initialUtf16 = false;
    std::vector<IniOperation> operations;
    std::vector<IniRead> reads;
    std::optional<bool> fileExistsAfter = std::nullopt;
    std::optional<bool> utf16MarkAfter = std::nullopt;
};

std::vector<IniCase> IniConformanceCases();

// Runs the case in a file of the folder; returns one line per mismatch.
std::vector<std::string> RunIniCase(const IniCase& iniCase, ProfileFile& profile,
                                    const std::filesystem::path& folder);

}  // namespace norvale::testing
