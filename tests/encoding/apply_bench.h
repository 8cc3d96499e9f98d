#pragma once
#include <gtest/gtest.h>

#include <fstream>

#include "device/device_discovery.h"
#include "emulator/emulated_hid_bus.h"
#include "emulator/emulated_mouse.h"
#include "encoding/apply_sequence.h"
#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/temporary_folder.h"
#include "support/debug_recorder.h"

namespace norvale {

// The emulated mouse in virtual time and a folder of settings files beside
// an executable, ready for an apply of `record.live`.
class ApplyBench : public ::testing::Test {
protected:
    ApplyBench()
    {
        bus.Attach(mouse);
        EXPECT_TRUE(DiscoverMouse(bus, link));
        mouse.ClearTrace();
        CreateFile(L"config0.bin", std::string(1805, '\0'));
    }

    void CreateFile(const std::wstring& name, const std::string& content)
    {
        std::ofstream(folder.path() / name, std::ios::binary) << content;
    }
    std::vector<std::uint8_t> FileBytes(const std::wstring& name)
    {
        return files.Read(folder.File(name), 4096).value_or(std::vector<std::uint8_t>{});
    }

    testing::DebugRecorder debug;
    testing::TemporaryFolder folder;
    HostProfileFile profiles;
    StandardFileSystem files;
    VirtualClock clock;
    EmulatedMouse mouse{clock};
    EmulatedHidBus bus;
    DeviceLink link;
    SettingsRecord record;
    SettingsFiles settingsFiles{folder.File(L"Norvale.exe"), record.live, files, profiles};
    DeviceStateArea deviceState;
    ApplyContext context{DeviceContext{bus, link, clock}, deviceState, record, settingsFiles};
    ButtonCaptions captions{L"Setting-EN", {L"Left", L"Right", L"Middle", L"Fn", L"Snipe", L"DPI+", L"DPI-"}};
};

}  // namespace norvale
