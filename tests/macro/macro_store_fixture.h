#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "macro/macro_store.h"
#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/temporary_folder.h"

namespace norvale {

// A macro store file in a fresh folder, read and written through our own
// profile functions, with the window's state next to it.
class MacroStoreFixture : public ::testing::Test {
protected:
    std::wstring Get(std::wstring_view section, std::wstring_view key)
    {
        return profiles.ReadString(file.path(), section, key, L"<none>");
    }
    void Put(std::wstring_view section, std::wstring_view key, std::wstring_view value)
    {
        profiles.WriteString(file.path(), section, key, value);
    }
    // Writes an index of these names, each with its macro section.
    struct StoredMacro {
        std::wstring name;
        std::wstring loopTimes;
        std::vector<std::wstring> lines;
    };
    void Store(std::initializer_list<StoredMacro> macros)
    {
        std::vector<std::wstring> names;
        for (const StoredMacro& macro : macros) {
            names.push_back(macro.name);
            file.WriteMacro(macro.name, L"1", macro.loopTimes, macro.lines);
        }
        file.WriteIndex(names);
    }

    testing::TemporaryFolder folder;
    HostProfileFile profiles;
    StandardFileSystem files;
    VirtualClock clock;
    MacroStoreFile file{folder.File(L"record.ini"), profiles, files};
    MacroStore store{file, clock};
    MacroWindowState state;
};

}  // namespace norvale
