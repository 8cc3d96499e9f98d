#include "set_command.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <variant>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assign/click_rule.h"
#include "assign/dpi_item_texts.h"
#include "assign/function_assignment.h"
#include "assign/key_names.h"
#include "button_functions.h"
#include "device_session.h"
#include "installation_folder.h"
#include "macro/macro_store_file.h"
#include "pages/lighting_page_layout.h"
#include "pages/lighting_page_model.h"
#include "platform/native_path.h"
#include "settings/button_function_kind.h"
#include "settings/profile_list.h"
#include "setting_words.h"
#include "text/ui_text_catalog.h"
#include "wide_text.h"

namespace norvale::tools {
namespace {

// Why a value was refused; nothing when it was taken.
using Refusal = std::optional<std::string>;

// Changes one setting; `number` is the stage or row of the key ("dpi.3" →
// 3), counted from 1 as the user sees them, and 0 for keys without one.
using Setter = Refusal (*)(InstallationFolder& installation, int number, std::string_view value);

struct SettingKey {
    std::string_view pattern;  // "N" stands for the number
    Setter set;
    bool changesProfileFiles = true;
};

std::optional<int> ParseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::size_t Index(int number) { return static_cast<std::size_t>(number - 1); }

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : ", ") + word;
    return text;
}

// Names as a refusal lists them: each in quotes, separated by commas.
std::vector<std::string> Quoted(std::span<const std::wstring> names)
{
    std::vector<std::string> quoted;
    for (const std::wstring& name : names) quoted.push_back('"' + Utf8(name) + '"');
    return quoted;
}

Refusal SetDpiValue(InstallationFolder& installation, int stage, std::string_view value)
{
    const auto dpi = ParseNumber(value);
    if (!dpi || *dpi < kLowestTypedDpi || *dpi > kHighestDpi || *dpi % kDpiStep != 0) {
        return "a resolution is 50 to 10800 in steps of 50";
    }
    installation.record.live.dpiValue[Index(stage)] = static_cast<std::uint8_t>(*dpi / kDpiStep);
    return std::nullopt;
}

Refusal SetDpiUse(InstallationFolder& installation, int stage, std::string_view value)
{
    const auto use = ParseSwitch(value);
    if (!use) return "a stage's use is on or off";
    installation.record.live.dpiStageEnabled[Index(stage)] = *use ? 1 : 0;
    return std::nullopt;
}

Refusal SetDpiColour(InstallationFolder& installation, int stage, std::string_view value)
{
    const auto colour = ParseColour(value);
    if (!colour) return "a colour is #RRGGBB, each pair hexadecimal";
    Settings& live = installation.record.live;
    if (live.dpiStageEnabled[Index(stage)] != 1) {
        return "stage " + std::to_string(stage) + " is not in use and cannot be recoloured (set dpi." +
               std::to_string(stage) + ".use on first)";
    }
    live.dpiColor[Index(stage)] = *colour;
    return std::nullopt;
}

Refusal SetPollingRate(InstallationFolder& installation, int, std::string_view value)
{
    const auto rate = ParseNumber(value);
    if (!rate || std::ranges::find(kPollingRates, *rate) == std::end(kPollingRates)) {
        return "the polling rate is 125, 250, 500 or 1000";
    }
    installation.record.live.reportRate = static_cast<std::uint8_t>(1000 / *rate);
    return std::nullopt;
}

Refusal SetLighting(InstallationFolder& installation, int, std::string_view value)
{
    const auto word = std::ranges::find(kLightingEffectWords, value);
    if (word == std::end(kLightingEffectWords)) return "the lighting is standard, respiration, neon or finger-tapping";
    LightingPageModel page(installation.record.live);
    page.Show();
    page.ChooseEffect(kStandardEffect + static_cast<int>(word - std::begin(kLightingEffectWords)));
    return std::nullopt;
}

Refusal SetLightingSpeed(InstallationFolder& installation, int, std::string_view value)
{
    const auto speed = ParseNumber(value);
    if (!speed || *speed < kLightingSliderMinimum || *speed > kLightingSliderMaximum) {
        return "a lighting speed is 1 to 6";
    }
    LightingPageModel page(installation.record.live);
    page.Show();
    const int effect = installation.record.live.lightBMode;
    if (!LightingSpeedField(effect)) return "finger-tapping has no speed: choose standard, respiration or neon first";
    page.SliderChanged(kLightingSliders[static_cast<std::size_t>(effect - kStandardEffect)].id, *speed);
    return std::nullopt;
}

Refusal SetAngleSnapping(InstallationFolder& installation, int, std::string_view value)
{
    const auto on = ParseSwitch(value);
    if (!on) return "angle snapping is on or off";
    installation.record.live.angleSnapping = *on ? 1 : 0;
    return std::nullopt;
}

std::string AllowedFunctions()
{
    std::vector<std::wstring> functions;
    for (const CatalogueFunction& function : CatalogueFunctions()) functions.push_back(function.name);
    std::vector<std::string> names = Quoted(functions);
    names.push_back("key:NAME");
    names.push_back("macro:NAME[:once|until-pressed|while-held]");
    return "a button's function is one of " + Joined(names);
}

// "NAME" or "NAME:MODE" of a macro in the store; the choice refers to the
// name in `names`.
std::variant<MacroChoice, std::string> ParseMacroChoice(const std::vector<std::wstring>& names,
                                                        const std::wstring& text)
{
    MacroChoice choice;
    std::wstring name = text;
    for (std::size_t mode = 0; mode < std::size(kMacroModeWords); ++mode) {
        const std::wstring suffix = L":" + WideFromUtf8(kMacroModeWords[mode]);
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            name.resize(name.size() - suffix.size());
            choice.mode = static_cast<std::uint8_t>(mode);
            break;
        }
    }
    const auto found = std::ranges::find(names, name);
    if (found == names.end()) {
        return "no macro is named \"" + Utf8(name) + "\"; the store holds " +
               (names.empty() ? std::string("none") : Joined(Quoted(names)));
    }
    choice.position = static_cast<int>(found - names.begin());
    choice.name = *found;
    if (choice.position >= static_cast<int>(kMacroCount)) {
        return "only the first " + std::to_string(kMacroCount) + " macros of the store reach the mouse";
    }
    return choice;
}

Refusal SetButton(InstallationFolder& installation, int row, std::string_view value)
{
    const int button = ButtonOfRow(row);
    const UiLanguage language = installation.language;
    const std::wstring text = WideFromUtf8(value);
    Settings assigned = installation.record.live;
    std::optional<std::wstring> caption;
    std::vector<std::wstring> macroNames;
    if (text.starts_with(L"key:")) {
        const std::wstring keyName = text.substr(4);
        if (KeyNameToUsage(keyName) == 0) {
            return "no key is named \"" + Utf8(keyName) + "\" (names as the key dialog shows them: A, F5, Num Enter ...)";
        }
        caption = AssignKeyboardKey(assigned, button, keyName, language);
    } else if (text.starts_with(L"macro:")) {
        const MacroStoreFile store(installation.files.macroStorePath(), installation.profiles,
                                   installation.fileSystem);
        macroNames = store.ReadMacroNames();
        const auto choice = ParseMacroChoice(macroNames, text.substr(6));
        if (const auto* refusal = std::get_if<std::string>(&choice)) return *refusal;
        caption = AssignMacro(assigned, button, std::get<MacroChoice>(choice), language);
    } else if (const auto id = FindCatalogueFunction(text)) {
        caption = AssignFunction(assigned, button, *id, language, DpiItemTextsIn(language));
    } else {
        return AllowedFunctions();
    }
    // The mouse must keep a Click, as the function menu sees to.
    if (std::ranges::count(assigned.buttonKind, static_cast<std::uint8_t>(ButtonFunctionKind::Click)) == 0) {
        return Utf8(UiTextIn(UiLanguage::English, kLastClickMessageSlot));
    }
    installation.record.live = assigned;
    installation.captions.captions[static_cast<std::size_t>(button)] = *caption;
    return std::nullopt;
}

Refusal SetProfile(InstallationFolder& installation, int, std::string_view value)
{
    ProfileList list;
    const std::wstring& listPath = installation.files.profileListPath();
    list.Fill(installation.fileSystem, installation.profiles, listPath);
    const std::vector<std::wstring>& names = list.names();
    if (names.empty()) return "the folder has no profile list with names";
    const std::wstring name = WideFromUtf8(value);
    auto position = std::ranges::find(names, name) - names.begin();
    if (position == std::ssize(names)) {
        const auto number = ParseNumber(value);
        if (!number || *number < 1 || *number > std::ssize(names)) {
            return "a profile is one of " + Joined(Quoted(names)) + " or its position 1 to " +
                   std::to_string(names.size());
        }
        position = *number - 1;
    }
    list.Select(static_cast<int>(position));
    if (!list.Save(installation.fileSystem, installation.profiles, listPath)) return "the profile list could not be written";
    return std::nullopt;
}

constexpr SettingKey kSettingKeys[] = {
    {"dpi.N", &SetDpiValue},
    {"dpi.N.use", &SetDpiUse},
    {"dpi.N.colour", &SetDpiColour},
    {"polling-rate", &SetPollingRate},
    {"lighting", &SetLighting},
    {"lighting.speed", &SetLightingSpeed},
    {"angle-snapping", &SetAngleSnapping},
    {"button.N", &SetButton},
    {"profile", &SetProfile, false},
};

// The key with its number turned into "N"; the number is 1 … 7.
std::optional<std::pair<std::string, int>> KeyPattern(std::string_view key)
{
    std::string pattern;
    int number = 0;
    for (std::size_t start = 0; start <= key.size();) {
        const std::size_t end = std::min(key.find('.', start), key.size());
        const std::string_view part = key.substr(start, end - start);
        if (!pattern.empty()) pattern += '.';
        if (const auto value = ParseNumber(part)) {
            if (number != 0 || *value < 1 || *value > 7) return std::nullopt;
            number = *value;
            pattern += 'N';
        } else {
            pattern += part;
        }
        start = end + 1;
    }
    return std::pair{pattern, number};
}

const SettingKey* FindKey(std::string_view key, int& number)
{
    const auto pattern = KeyPattern(key);
    if (!pattern) return nullptr;
    const auto found = std::ranges::find(kSettingKeys, pattern->first, &SettingKey::pattern);
    if (found == std::end(kSettingKeys)) return nullptr;
    const bool numbered = found->pattern.find('N') != std::string_view::npos;
    if (numbered != (pattern->second != 0)) return nullptr;
    number = pattern->second;
    return found;
}

}  // namespace

int RunSetCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    std::vector<std::string_view> positional;
    std::string_view folder;
    for (std::size_t position = 0; position < arguments.size(); ++position) {
        if (arguments[position] == "--dir" && position + 1 < arguments.size()) {
            folder = arguments[++position];
        } else {
            positional.push_back(arguments[position]);
        }
    }
    if (folder.empty() || positional.size() != 2) return BadUsage(kSetCommand, err);
    const std::string_view key = positional[0];
    const std::string_view value = positional[1];
    int number = 0;
    const SettingKey* const setting = FindKey(key, number);
    if (!setting) {
        err << "norvalectl set: unknown key '" << key << "' (see norvalectl set --help)\n";
        return kExitFailure;
    }
    const auto installation = OpenInstallationFolder(folder, kSetCommand.name, err);
    if (!installation) return kExitFailure;
    // Saving skips a profile whose settings file is missing; say so rather
    // than report a change that was never stored.
    const std::filesystem::path settingsFile = NativePath(installation->files.settingsFilePath());
    std::error_code error;
    if (setting->changesProfileFiles && !std::filesystem::is_regular_file(settingsFile, error)) {
        err << "norvalectl set: the current profile has no settings file " << settingsFile.string() << '\n';
        return kExitFailure;
    }

    if (const Refusal refusal = setting->set(*installation, number, value)) {
        err << "norvalectl set: " << key << " " << value << " refused: " << *refusal << '\n';
        return kExitFailure;
    }
    if (setting->changesProfileFiles) installation->Save();
    out << key << " = " << value << '\n';
    return kExitSuccess;
}

}  // namespace norvale::tools
