#include "show_command.h"

#include <algorithm>
#include <iomanip>

#include "button_functions.h"
#include "device_session.h"
#include "installation_folder.h"
#include "macro/macro_store_file.h"
#include "pages/lighting_page_layout.h"
#include "settings/profile_list.h"
#include "setting_words.h"
#include "wide_text.h"

namespace norvale::tools {
namespace {

void ShowProfile(InstallationFolder& installation, std::ostream& out)
{
    ProfileList list;
    list.Fill(installation.fileSystem, installation.profiles, installation.files.profileListPath());
    const std::size_t number = installation.files.profileNumber;
    out << "profile: " << number + 1;
    if (number < list.names().size()) out << " \"" << Utf8(list.names()[number]) << '"';
    out << " of " << list.names().size() << ", labels in \"" << Utf8(installation.captions.languageSection)
        << "\"\n";
}

void ShowDpiStages(const Settings& settings, std::ostream& out)
{
    out << "DPI stages:\n";
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        out << "  " << stage + 1 << ": " << std::setw(5) << settings.dpiValue[stage] * kDpiStep << " DPI, "
            << (settings.dpiStageEnabled[stage] == 1 ? "in use" : "not in use") << ", colour "
            << ColourText(settings.dpiColor[stage]) << '\n';
    }
}

void ShowLighting(const Settings& settings, std::ostream& out)
{
    const int effect = settings.lightBMode;
    out << "lighting: " << LightingEffectName(effect);
    if (const auto speed = LightingSpeedField(effect)) out << ", speed " << unsigned{settings.*(*speed)} << " of 6";
    if (effect == kFingerTappingEffect) {
        const char* const keys[] = {"L", "R", "M"};
        const LittleEndian32 Settings::* const fields[] = {&Settings::functionOption0, &Settings::functionOption1,
                                                           &Settings::functionOption2};
        out << ", lit by";
        bool any = false;
        for (std::size_t key = 0; key < 3; ++key) {
            if (settings.*fields[key] != 1) continue;
            out << ' ' << keys[key];
            any = true;
        }
        if (!any) out << " no key";
    }
    out << '\n';
}

void ShowButtons(const InstallationFolder& installation, std::span<const std::wstring> macroNames,
                 std::ostream& out)
{
    out << "buttons:\n";
    for (int row = 1; row <= kButtonRows; ++row) {
        const int button = ButtonOfRow(row);
        out << "  " << row << ": " << std::left << std::setw(28)
            << DescribeButtonFunction(installation.record.live, button, macroNames) << std::right << " label \""
            << Utf8(installation.captions.captions[static_cast<std::size_t>(button)]) << "\"\n";
    }
}

void ShowMacros(const MacroStoreFile& store, std::span<const std::wstring> names, std::ostream& out)
{
    out << "macros:" << (names.empty() ? " none" : "") << '\n';
    for (std::size_t position = 0; position < names.size(); ++position) {
        const std::wstring& name = names[position];
        out << "  " << position + 1 << ": " << Utf8(name) << ", loop "
            << Utf8(store.Read(name, kLoopTimesKey)) << '\n';
        const int count = std::min(store.ReadNumber(name, kItemCountKey), kMacroStoreCountLimit);
        for (int line = 0; line < count; ++line) out << "       " << Utf8(store.Read(name, MacroItemKey(line))) << '\n';
    }
}

}  // namespace

int RunShowCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() != 2 || arguments[0] != "--dir") return BadUsage(kShowCommand, err);
    const auto installation = OpenInstallationFolder(arguments[1], kShowCommand.name, err);
    if (!installation) return kExitFailure;
    const Settings& settings = installation->record.live;
    const MacroStoreFile store(installation->files.macroStorePath(), installation->profiles,
                               installation->fileSystem);
    const std::vector<std::wstring> macroNames = store.ReadMacroNames();

    ShowProfile(*installation, out);
    out << "polling rate: " << PollingRateText(settings.reportRate) << '\n';
    ShowDpiStages(settings, out);
    ShowLighting(settings, out);
    out << "angle snapping: " << (settings.angleSnapping != 0 ? "on" : "off") << '\n';
    ShowButtons(*installation, macroNames, out);
    ShowMacros(store, macroNames, out);
    return kExitSuccess;
}

}  // namespace norvale::tools
