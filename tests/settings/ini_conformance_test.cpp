#include <gtest/gtest.h>

#include <cctype>

#include "ini_conformance_cases.h"
#include "platform/host_profile_file.h"
#include "temporary_folder.h"

namespace norvale::testing {
namespace {

class HostIniConformance : public ::testing::TestWithParam<IniCase> {};

TEST_P(HostIniConformance, BehavesAsTheWindowsProfileFunctions)
{
    TemporaryFolder folder;
    HostProfileFile profile;
    for (const std::string& mismatch : RunIniCase(GetParam(), profile, folder.path())) {
        ADD_FAILURE() << mismatch;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostIniConformance, ::testing::ValuesIn(IniConformanceCases()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace norvale::testing
