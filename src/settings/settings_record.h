#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "ui/window_handle.h"

namespace norvale {

inline constexpr std::size_t kSettingsSize = 1804;
inline constexpr std::size_t kButtonCount = 7;
inline constexpr std::size_t kDpiStageCount = 7;
inline constexpr std::size_t kMacroCount = 12;
inline constexpr std::size_t kStoredMacroImageSize = 130;

// An unsigned 32-bit field stored little-endian whatever the host, so the
// settings stay a plain byte image that the files hold byte for byte.
struct LittleEndian32 {
    std::array<std::uint8_t, 4> bytes;

    operator std::uint32_t() const
    {
        return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
               static_cast<std::uint32_t>(bytes[2]) << 16 |
               static_cast<std::uint32_t>(bytes[3]) << 24;
    }
    LittleEndian32& operator=(std::uint32_t value)
    {
        for (std::uint8_t& byte : bytes) {
            byte = static_cast<std::uint8_t>(value);
            value >>= 8;
        }
        return *this;
    }
    friend bool operator==(const LittleEndian32&, const LittleEndian32&) = default;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Per-button parameters, indexed by the internal button index 0..6; the
// eighth element belongs to no button.
using ButtonRow = std::array<std::uint8_t, 8>;

// Bytes 0..127: the device form of one macro; 128..129 spare.
using StoredMacroImage = std::array<std::uint8_t, kStoredMacroImageSize>;

// The live settings: every mouse and pointer setting the user edits. This is
// also the payload of every settings file, so the layout is a file format:
// byte-sized members only (no padding), each offset checked below.
struct Settings {
    std::uint8_t profileIndex;
    std::array<std::uint8_t, 4> reserved1;
    std::uint8_t reportRate;  // polling rate = 1000 / reportRate Hz
    std::uint8_t reserved6;
    std::array<std::uint8_t, kDpiStageCount> dpiValue;  // units of 50 DPI
    std::array<std::uint8_t, kDpiStageCount> dpiStageEnabled;
    std::array<Rgb, kDpiStageCount> dpiColor;
    std::uint8_t lightAFlag;  // 1: group A follows group B, 3: independent
    std::uint8_t lightAMode;
    std::uint8_t lightASpeed;
    std::uint8_t lightAParam2;
    std::uint8_t lightAParam3;
    std::uint8_t lightAExtra;
    std::uint8_t lightBMode;
    std::uint8_t lightBSpeed;
    std::uint8_t lightBParam2;
    std::uint8_t lightBParam3;
    std::uint8_t lightLevel;
    Rgb auxColor;
    std::uint8_t lightOption56;
    std::array<std::uint8_t, 3> unused57;
    LittleEndian32 functionOption0;  // "Finger tapping" on the left button
    LittleEndian32 functionOption1;  // ... on the right button
    LittleEndian32 functionOption2;  // ... on the middle button
    std::uint8_t pointerPrecision;   // 1 = enhanced pointer precision on
    std::uint8_t wheelPageScroll;
    std::uint8_t pointerSpeed;
    std::uint8_t wheelLines;
    std::uint8_t doubleClickLevel;
    std::uint8_t reserved77;
    std::uint8_t angleSnapping;
    std::uint8_t unused79;
    std::uint8_t sensitivityX;
    std::uint8_t sensitivityY;
    std::uint8_t liftOffDistance;
    std::array<std::uint8_t, kButtonCount> buttonKind;
    std::array<std::uint8_t, 7> reserved90;
    ButtonRow buttonDpiAction;  // 1 DPI +, 2 DPI -, 3 DPI loop
    ButtonRow unusedRow105;
    ButtonRow buttonMediaCode;
    ButtonRow buttonWindowsCommand;
    std::array<ButtonRow, 3> unusedRows129;
    ButtonRow buttonShortcutKey;
    ButtonRow buttonKeyCode;
    std::array<ButtonRow, 7> unusedRows169;
    ButtonRow buttonMacroIndex;
    ButtonRow buttonMacroMode;
    std::array<StoredMacroImage, kMacroCount> macroImages;
    std::array<std::uint8_t, 3> unused1801;

    friend bool operator==(const Settings&, const Settings&) = default;
};

static_assert(sizeof(LittleEndian32) == 4 && sizeof(Rgb) == 3 && sizeof(ButtonRow) == 8);
static_assert(sizeof(StoredMacroImage) == kStoredMacroImageSize);
static_assert(alignof(Settings) == 1);
static_assert(sizeof(Settings) == kSettingsSize);
static_assert(offsetof(Settings, profileIndex) == 0);
static_assert(offsetof(Settings, reserved1) == 1);
static_assert(offsetof(Settings, reportRate) == 5);
static_assert(offsetof(Settings, reserved6) == 6);
static_assert(offsetof(Settings, dpiValue) == 7);
static_assert(offsetof(Settings, dpiStageEnabled) == 14);
static_assert(offsetof(Settings, dpiColor) == 21);
static_assert(offsetof(Settings, lightAFlag) == 42);
static_assert(offsetof(Settings, lightAMode) == 43);
static_assert(offsetof(Settings, lightASpeed) == 44);
static_assert(offsetof(Settings, lightAParam2) == 45);
static_assert(offsetof(Settings, lightAParam3) == 46);
static_assert(offsetof(Settings, lightAExtra) == 47);
static_assert(offsetof(Settings, lightBMode) == 48);
static_assert(offsetof(Settings, lightBSpeed) == 49);
static_assert(offsetof(Settings, lightBParam2) == 50);
static_assert(offsetof(Settings, lightBParam3) == 51);
static_assert(offsetof(Settings, lightLevel) == 52);
static_assert(offsetof(Settings, auxColor) == 53);
static_assert(offsetof(Settings, lightOption56) == 56);
static_assert(offsetof(Settings, unused57) == 57);
static_assert(offsetof(Settings, functionOption0) == 60);
static_assert(offsetof(Settings, functionOption1) == 64);
static_assert(offsetof(Settings, functionOption2) == 68);
static_assert(offsetof(Settings, pointerPrecision) == 72);
static_assert(offsetof(Settings, wheelPageScroll) == 73);
static_assert(offsetof(Settings, pointerSpeed) == 74);
static_assert(offsetof(Settings, wheelLines) == 75);
static_assert(offsetof(Settings, doubleClickLevel) == 76);
static_assert(offsetof(Settings, reserved77) == 77);
static_assert(offsetof(Settings, angleSnapping) == 78);
static_assert(offsetof(Settings, unused79) == 79);
static_assert(offsetof(Settings, sensitivityX) == 80);
static_assert(offsetof(Settings, sensitivityY) == 81);
static_assert(offsetof(Settings, liftOffDistance) == 82);
static_assert(offsetof(Settings, buttonKind) == 83);
static_assert(offsetof(Settings, reserved90) == 90);
static_assert(offsetof(Settings, buttonDpiAction) == 97);
static_assert(offsetof(Settings, unusedRow105) == 105);
static_assert(offsetof(Settings, buttonMediaCode) == 113);
static_assert(offsetof(Settings, buttonWindowsCommand) == 121);
static_assert(offsetof(Settings, unusedRows129) == 129);
static_assert(offsetof(Settings, buttonShortcutKey) == 153);
static_assert(offsetof(Settings, buttonKeyCode) == 161);
static_assert(offsetof(Settings, unusedRows169) == 169);
static_assert(offsetof(Settings, buttonMacroIndex) == 225);
static_assert(offsetof(Settings, buttonMacroMode) == 233);
static_assert(offsetof(Settings, macroImages) == 241);
static_assert(offsetof(Settings, unused1801) == 1801);


// The process-wide settings record: the live settings the user edits, the
// copy taken at the last load, apply or reset, and two run-time references
// that are never stored.
struct SettingsRecord {
    Settings live{};
    Settings savedSettings{};
    ui::WindowHandle profileListWindow = ui::WindowHandle::None;  // the open profile list, if any
    // The listener thread sends the mouse's events to it.
    std::atomic<ui::WindowHandle> mainWindow = ui::WindowHandle::None;
};

// The one record of the process; all zeros until the settings are loaded.
SettingsRecord& TheSettingsRecord();

// Writes the factory values into every defaulted field. profileIndex,
// auxColor, liftOffDistance, bytes 57..59 and the macro images keep their
// values: they have no factory value of their own.
void RestoreDefaultSettings(Settings& settings);

// savedSettings := live; run after a load, an apply and a reset.
void CommitSettings(SettingsRecord& record);

// live := savedSettings; "Cancel" of the main window.
void RevertSettings(SettingsRecord& record);

}  // namespace norvale
