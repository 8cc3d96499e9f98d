#include "encoding/key_matrix.h"

#include <algorithm>
#include <array>

namespace norvale {
namespace {

constexpr std::size_t kSecondaryWordOffset = 16;

struct FixedWord {
    std::size_t position;
    ButtonWord word;
};
// Placed after the buttons: words 17..20 hold the mouse's own secondary
// functions of slots 1..4 whatever those buttons do.
constexpr FixedWord kFixedWords[] = {
    {17, 0x00F1070B}, {18, 0x0000090B}, {19, 0x0001080B}, {20, 0x0002080B}, {7, 0x00040008},
    {14, 0x00F70001}, {30, 0x0002060B}, {15, 0x00F80001}, {31, 0x0001060B},
};

// By `buttonWindowsCommand`: My computer, Web Home, Search Computer,
// Maximize, Minimize, Show desktop, Run.
constexpr std::array<ButtonWord, 7> kWindowsCommandWords = {
    0x01940003, 0x02230003, 0x02210003, 0x1B2C0400, 0x112C0400, 0x07E30000, 0x15E30000,
};

constexpr std::uint8_t kOpenMediaPlayer = 0x83;
constexpr std::uint8_t kLeftControl = 0xE0;

ButtonWords Both(ButtonWord word)
{
    return {word, word};
}

bool AnyDpiStageEnabled(const Settings& settings)
{
    return std::any_of(settings.dpiStageEnabled.begin(), settings.dpiStageEnabled.end(),
                       [](std::uint8_t enabled) { return enabled != 0; });
}

void PutWord(KeyMatrix& matrix, std::size_t position, ButtonWord word)
{
    for (std::size_t byte = 0; byte < 4; ++byte) {
        matrix[4 * position + byte] = static_cast<std::uint8_t>(word >> (8 * byte));
    }
}

}  // namespace

ButtonWords ButtonWordsOf(const Settings& settings, std::size_t button)
{
    switch (static_cast<ButtonFunctionKind>(settings.buttonKind[button])) {
    case ButtonFunctionKind::Click: return Both(0x00F00001);
    case ButtonFunctionKind::Menu: return {0x00F10001, 0x00F1070B};
    case ButtonFunctionKind::Scroll: return {0x00F20001, 0x0000090B};
    case ButtonFunctionKind::Forward: return {0x00F40001, 0x0001080B};
    case ButtonFunctionKind::Back: return {0x00F30001, 0x0002080B};
    case ButtonFunctionKind::DoubleClick: return Both(0x021EF00A);
    case ButtonFunctionKind::DpiSwitch:
        // With every stage off there is nothing to switch between.
        return Both(AnyDpiStageEnabled(settings) ? ButtonWordOf(0x07, 0, settings.buttonDpiAction[button], 0) : 0);
    case ButtonFunctionKind::Multimedia: {
        const std::uint8_t code = settings.buttonMediaCode[button];
        return Both(ButtonWordOf(0x03, 0, code, code == kOpenMediaPlayer ? 0x01 : 0x00));
    }
    case ButtonFunctionKind::ShortcutCommand:
        return Both(ButtonWordOf(0x00, 0, kLeftControl, settings.buttonShortcutKey[button]));
    case ButtonFunctionKind::WindowsCommand: {
        const std::size_t command = settings.buttonWindowsCommand[button];
        return Both(command < kWindowsCommandWords.size() ? kWindowsCommandWords[command] : 0);
    }
    case ButtonFunctionKind::KeyboardKey: return Both(ButtonWordOf(0x00, 0, settings.buttonKeyCode[button], 0));
    case ButtonFunctionKind::Macro:
        return Both(ButtonWordOf(0x09, settings.buttonMacroMode[button],
                                 static_cast<std::uint8_t>(settings.buttonMacroIndex[button] + 1), 0));
    case ButtonFunctionKind::Deactivated: return Both(0);
    case ButtonFunctionKind::LeftTiltScroll: return Both(0x00F50001);
    case ButtonFunctionKind::RightTiltScroll: return Both(0x00F60001);
    case ButtonFunctionKind::FnKey: return Both(0x0000050B);
    case ButtonFunctionKind::SnipeKey: return Both(0x0505000B);
    }
    return Both(0);
}

std::size_t ButtonSlot(std::size_t button)
{
    if (button == 3) return 4;
    if (button == 4) return 3;
    return button;
}

KeyMatrix BuildKeyMatrix(const Settings& settings)
{
    KeyMatrix matrix{};
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        const std::size_t slot = ButtonSlot(button);
        const ButtonWords words = ButtonWordsOf(settings, button);
        PutWord(matrix, slot, words.primary);
        PutWord(matrix, slot + kSecondaryWordOffset, words.secondary);
    }
    for (const FixedWord& fixed : kFixedWords) PutWord(matrix, fixed.position, fixed.word);
    return matrix;
}

}  // namespace norvale
