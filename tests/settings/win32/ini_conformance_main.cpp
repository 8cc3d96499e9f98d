// Runs the INI conformance cases against GetPrivateProfileStringW and
// WritePrivateProfileStringW, to hold the host implementation to them.
#include <cstdio>
#include <filesystem>
#include <windows.h>

#include "../ini_conformance_cases.h"
#include "platform/win32/windows_profile_file.h"

int main()
{
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    const std::filesystem::path folder = std::filesystem::path(temporary) / "norvale-ini-conformance";
    std::filesystem::create_directories(folder);

    norvale::WindowsProfileFile profile;
    int failures = 0;
    for (const auto& iniCase : norvale::testing::IniConformanceCases()) {
        const auto mismatches = norvale::testing::RunIniCase(iniCase, profile, folder);
        std::printf("%s %s\n", mismatches.empty() ? "PASS" : "FAIL", iniCase.name.c_str());
        for (const auto& mismatch : mismatches) std::printf("    %s\n", mismatch.c_str());
        failures += mismatches.empty() ? 0 : 1;
    }
    std::filesystem::remove_all(folder);
    std::printf("%d of %zu cases failed\n", failures, norvale::testing::IniConformanceCases().size());
    return failures == 0 ? 0 : 1;
}
