#include "settings/settings_record.h"

namespace norvale {

SettingsRecord& TheSettingsRecord()
{
    static SettingsRecord record;
    return record;
}

void RestoreDefaultSettings(Settings& settings)
{
    settings.reserved1 = {1, 1, 1, 1};
    settings.reportRate = 2;
    settings.reserved6 = 3;
    settings.dpiValue = {12, 24, 48, 72, 108, 144, 216};
    settings.dpiStageEnabled = {1, 1, 1, 1, 1, 1, 1};
    settings.dpiColor = {Rgb{0xFF, 0x00, 0x00}, Rgb{0x00, 0x00, 0xFF}, Rgb{0x00, 0xFF, 0x00},
                         Rgb{0xFF, 0xFF, 0x00}, Rgb{0x00, 0xFF, 0xFF}, Rgb{0xFF, 0x80, 0x00},
                         Rgb{0xFF, 0x00, 0xFF}};
    settings.lightAFlag = 1;
    settings.lightAMode = 3;
    settings.lightASpeed = 4;
    settings.lightAParam2 = 2;
    settings.lightAParam3 = 2;
    settings.lightAExtra = 1;
    settings.lightBMode = 3;
    settings.lightBSpeed = 4;
    settings.lightBParam2 = 2;
    settings.lightBParam3 = 2;
    settings.lightLevel = 1;
    settings.lightOption56 = 0;
    settings.functionOption0 = 1;
    settings.functionOption1 = 1;
    settings.functionOption2 = 1;
    settings.pointerPrecision = 6;
    settings.wheelPageScroll = 0;
    settings.pointerSpeed = 6;
    settings.wheelLines = 3;
    settings.doubleClickLevel = 6;
    settings.reserved77 = 5;
    settings.angleSnapping = 0;
    settings.unused79 = 0;
    settings.sensitivityX = 5;
    settings.sensitivityY = 5;
    settings.buttonKind = {0, 1, 2, 17, 18, 6, 6};
    settings.reserved90 = {0, 0, 0, 0, 1, 2, 0};
    settings.buttonDpiAction = {0, 3, 2, 0, 0, 1, 2, 0};
    settings.unusedRow105 = {};
    settings.buttonMediaCode = {};
    settings.buttonWindowsCommand = {};
    settings.unusedRows129 = {};
    settings.buttonShortcutKey = {};
    settings.buttonKeyCode = {};
    settings.unusedRows169 = {};
    settings.buttonMacroIndex = {};
    settings.buttonMacroMode = {};
}

void CommitSettings(SettingsRecord& record)
{
    record.savedSettings = record.live;
}

void RevertSettings(SettingsRecord& record)
{
    record.live = record.savedSettings;
}

}  // namespace norvale
