#include "setting_words.h"

#include <charconv>
#include <cstdio>

#include "pages/lighting_page_layout.h"

namespace norvale::tools {

std::string ColourText(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned{colour.red}, unsigned{colour.green},
                  unsigned{colour.blue});
    return text;
}

std::optional<Rgb> ParseColour(std::string_view text)
{
    if (text.starts_with('#')) text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    std::uint8_t bytes[3];
    for (std::size_t k = 0; k < 3; ++k) {
        const char* const first = text.data() + 2 * k;
        const auto [end, error] = std::from_chars(first, first + 2, bytes[k], 16);
        if (error != std::errc() || end != first + 2) return std::nullopt;
    }
    return Rgb{bytes[0], bytes[1], bytes[2]};
}

std::string LightingEffectName(int effect)
{
    if (effect < kStandardEffect || effect > kFingerTappingEffect) {
        return "unknown effect " + std::to_string(effect) + " (shown as standard)";
    }
    return std::string(kLightingEffectWords[effect - kStandardEffect]);
}

std::optional<SettingsByte> LightingSpeedField(int effect)
{
    switch (effect) {
    case kStandardEffect: return &Settings::lightBSpeed;
    case kRespirationEffect: return &Settings::lightBParam2;
    case kNeonEffect: return &Settings::lightBParam3;
    default: return std::nullopt;
    }
}

std::string PollingRateText(std::uint8_t reportRate)
{
    for (const int rate : kPollingRates) {
        if (reportRate == 1000 / rate) return std::to_string(rate) + " Hz";
    }
    return "unknown (divisor " + std::to_string(reportRate) + ")";
}

std::optional<bool> ParseSwitch(std::string_view text)
{
    if (text == "on") return true;
    if (text == "off") return false;
    return std::nullopt;
}

}  // namespace norvale::tools
