#include "pages/lighting_page_paint.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "pages/lighting_page_layout.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kFirstEffectNameSlot = 491;  // "Standard", "Respiration", "Neon"
constexpr int kFingerTappingSlot = 597;
constexpr int kFirstTappingKeySlot = 598;  // "L key", "R key", "M key"

constexpr int kPageFontHeight = 12;
constexpr std::uint8_t kDefaultCharset = 1;

constexpr unsigned kLineFormat = text_format::kLeft | text_format::kVerticalCenter | text_format::kSingleLine;

constexpr std::array<ui::Rect, 3> kEffectNameRects{{{25, 5, 90, 24}, {25, 34, 90, 53}, {25, 63, 90, 82}}};
constexpr ui::Point kFingerTappingOrigin{22, 102};
constexpr std::array<ui::Point, 3> kTappingKeyOrigins{{{111, 102}, {160, 102}, {209, 102}}};

struct TickLabel {
    std::wstring_view text;
    ui::Rect rect;
};

// Under the fills of the values 1 … 5: brightness for "Standard", the
// period for "Respiration" and "Neon".
constexpr std::array<TickLabel, 15> kTickLabels{{
    {L"0%", {100, 23, 130, 38}},
    {L"25%", {125, 23, 155, 38}},
    {L"50%", {155, 23, 185, 38}},
    {L"75%", {185, 23, 215, 38}},
    {L"100%", {215, 23, 245, 38}},
    {L"4S", {100, 52, 130, 67}},
    {L"5S", {130, 52, 160, 67}},
    {L"6S", {160, 52, 190, 67}},
    {L"7S", {190, 52, 220, 67}},
    {L"8S", {220, 52, 250, 67}},
    {L"3S", {100, 81, 130, 96}},
    {L"6S", {130, 81, 160, 96}},
    {L"9S", {160, 81, 190, 96}},
    {L"12S", {190, 81, 220, 96}},
    {L"15S", {220, 81, 250, 96}},
}};

void Indicator(PaintList& list, const ui::Rect& area, bool chosen)
{
    list.Image(std::wstring(chosen ? kLightingChosenPicture : kLightingUnchosenPicture), area.left, area.top);
}

}  // namespace

FontSpec LightingPageFont(std::wstring_view languageCode)
{
    const std::wstring_view face = languageCode == L"CHS" ? L"\u5B8B\u4F53" : UiFontFace(languageCode);
    return {face, kPageFontHeight, 0, kDefaultCharset};
}

PaintList LightingPagePaintList(const Settings& live)
{
    PaintList list;
    list.background = kLightingBackground;
    const int effect = live.lightBMode;
    if (effect >= kStandardEffect && effect <= kFingerTappingEffect) {
        for (std::size_t k = 0; k < kEffectIndicatorAreas.size(); ++k)
            Indicator(list, kEffectIndicatorAreas[k], static_cast<int>(k) + 1 == effect);
    }
    const std::array<std::uint32_t, 3> keys{live.functionOption0, live.functionOption1, live.functionOption2};
    for (std::size_t k = 0; k < keys.size(); ++k) Indicator(list, kTappingKeyBoxAreas[k], keys[k] == 1);

    for (std::size_t k = 0; k < kEffectNameRects.size(); ++k)
        list.Text(UiText(kFirstEffectNameSlot + static_cast<int>(k)), kEffectNameRects[k], kLineFormat);
    for (const TickLabel& tick : kTickLabels) list.Text(std::wstring(tick.text), tick.rect, kLineFormat);
    list.TextAt(UiText(kFingerTappingSlot), kFingerTappingOrigin);
    for (std::size_t k = 0; k < kTappingKeyOrigins.size(); ++k)
        list.TextAt(UiText(kFirstTappingKeySlot + static_cast<int>(k)), kTappingKeyOrigins[k]);
    return list;
}

}  // namespace norvale
