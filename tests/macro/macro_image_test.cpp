#include <gmock/gmock.h>

#include <vector>

#include "macro/macro_image.h"
#include "macro/macro_line.h"
#include "macro_store_fixture.h"

namespace norvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A rule other than the utility's own, so its two numbers show in the bytes.
constexpr MacroDelayRule kFiftyMs{50, 50};

// The image with its trailing zeros cut off, for short literals.
Bytes Significant(const MacroImage& image)
{
    Bytes bytes(image.begin(), image.end());
    while (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
    return bytes;
}

class MacroImageTest : public MacroStoreFixture {
protected:
    MacroImage Encode(std::vector<std::wstring> lines, MacroDelayRule rule = kFiftyMs,
                      std::wstring loopTimes = L"1")
    {
        file.WriteMacro(L"M", L"1", loopTimes, lines);
        return EncodeMacroImage(file, L"M", rule);
    }
};

struct EncodingCase {
    const char* what;
    std::vector<std::wstring> lines;
    MacroDelayRule rule;
    Bytes expected;
};

TEST_F(MacroImageTest, EncodesEventsWithTheDelayOfTheLineAfterThem)
{
    const EncodingCase cases[] = {
        {"press, 120 ms, release (50 ms rule)", {L"A   Dn", L"120 ms", L"A   Up"}, kFiftyMs,
         {0x00, 0x01, 0x0C, 0x04, 0x85, 0x04}},
        {"press, 120 ms, release (the utility's rule)", {L"A   Dn", L"120 ms", L"A   Up"}, kMacroImageDelays,
         {0x00, 0x01, 0x0C, 0x04, 0x81, 0x04}},
        {"long delay 2345 ms", {L"B   Dn", L"2345 ms", L"B   Up"}, kFiftyMs,
         {0x00, 0x01, 0x2D, 0x05, 0x00, 0x03, 0x00, 0x17, 0x85, 0x05}},
        {"1270 ms is still short", {L"A   Dn", L"1270 ms", L"A   Up"}, kFiftyMs,
         {0x00, 0x01, 0x7F, 0x04, 0x85, 0x04}},
        {"1271 ms is long", {L"A   Dn", L"1271 ms", L"A   Up"}, kFiftyMs,
         {0x00, 0x01, 0x47, 0x04, 0x00, 0x03, 0x00, 0x0C, 0x85, 0x04}},
        {"30 ms under the 50 ms rule", {L"A   Dn", L"30 ms", L"A   Up"}, kFiftyMs,
         {0x00, 0x01, 0x05, 0x04, 0x85, 0x04}},
        {"30 ms under the utility's rule", {L"A   Dn", L"30 ms", L"A   Up"}, kMacroImageDelays,
         {0x00, 0x01, 0x03, 0x04, 0x81, 0x04}},
        {"release as the first line", {L"Right Shift   Up", L"80 ms"}, kFiftyMs,
         {0x00, 0x01, 0x88, 0xE5}},
        {"second of two delay lines ignored", {L"A   Dn", L"120 ms", L"900 ms", L"A   Up"}, kFiftyMs,
         {0x00, 0x01, 0x0C, 0x04, 0x85, 0x04}},
        {"delay line without a number", {L"A   Dn", L"ms", L"A   Up"}, kFiftyMs,
         {0x00, 0x01, 0x05, 0x04, 0x85, 0x04}},
        {"mouse button and unknown name", {L"L-Button   Dn", L"Nonsense   Dn", L"L-Button   Up"}, kFiftyMs,
         {0x00, 0x01, 0x05, 0xF0, 0x05, 0x00, 0x85, 0xF0}},
        {"other lines are skipped", {L"hello", L"A   Dn", L"hello"}, kFiftyMs,
         {0x00, 0x01, 0x05, 0x04}},
        {"pause of 6553600 ms wraps", {L"A   Dn", L"6553601 ms"}, kFiftyMs,
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x03}},
    };
    for (const EncodingCase& c : cases) {
        EXPECT_EQ(Significant(Encode(c.lines, c.rule)), c.expected) << c.what;
    }
}

TEST_F(MacroImageTest, LoopCountOutsideTheRangePlaysOnce)
{
    const std::pair<const wchar_t*, Bytes> cases[] = {
        {L"0", {0x00, 0x01}},     {L"70000", {0x00, 0x01}}, {L"x", {0x00, 0x01}},
        {L"300", {0x01, 0x2C}},   {L"65535", {0xFF, 0xFF}}, {L"", {0x00, 0x01}},
    };
    for (const auto& [loopTimes, expected] : cases) {
        const MacroImage image = Encode({L"A   Dn"}, kFiftyMs, loopTimes);
        EXPECT_EQ(Bytes(image.begin(), image.begin() + 2), expected) << loopTimes;
    }
}

TEST_F(MacroImageTest, MacroWithoutLinesIsAllZeros)
{
    EXPECT_EQ(Encode({}, kFiftyMs, L"5"), MacroImage{});
    Put(L"Broken", L"MacroLoopTimes", L"5");
    Put(L"Broken", L"ItemCount", L"-3");
    EXPECT_EQ(EncodeMacroImage(file, L"Broken", kFiftyMs), MacroImage{});
}

TEST_F(MacroImageTest, StopsAtTheLastEventThatFitsWhole)
{
    // 62 short events fill bytes 2..125; a long event no longer fits, and
    // nothing after it is written.
    std::vector<std::wstring> lines(62, L"A   Dn");
    lines.insert(lines.end(), {L"B   Dn", L"5000 ms", L"C   Dn"});
    const MacroImage image = Encode(lines);
    EXPECT_EQ(image[124], 0x05);
    EXPECT_EQ(image[125], 0x04);
    EXPECT_EQ(image[126], 0x00);
    EXPECT_EQ(image[127], 0x00);

    const MacroImage full = Encode(std::vector<std::wstring>(70, L"A   Up"));
    EXPECT_EQ(full[126], 0x85);
    EXPECT_EQ(full[127], 0x04);
}

TEST_F(MacroImageTest, StoreMacrosGoToTheirPositionsUpToTwelve)
{
    std::vector<std::wstring> names;
    for (int position = 0; position < 13; ++position) {
        names.push_back(L"M" + std::to_wstring(position));
        file.WriteMacro(names.back(), L"1", std::to_wstring(position + 1), std::vector<std::wstring>{L"A   Dn"});
    }
    file.WriteIndex(names);

    std::array<StoredMacroImage, kMacroCount> images{};
    EncodeStoreMacros(file, kFiftyMs, images);
    EXPECT_EQ(images[0][1], 1);
    EXPECT_EQ(images[11][1], 12);

    // Positions the store does not list keep what they held.
    file.WriteIndex(std::vector<std::wstring>{L"M4"});
    images[1].fill(0xAA);
    EncodeStoreMacros(file, kFiftyMs, images);
    EXPECT_EQ(images[0][1], 5);
    EXPECT_EQ(images[1][0], 0xAA);
}

TEST(MacroLineTest, ClassifiesBySubstringInOrder)
{
    EXPECT_EQ(ClassifyMacroLine(PressLine(L"A")), MacroLineKind::Press);
    EXPECT_EQ(ClassifyMacroLine(ReleaseLine(L"Right Shift")), MacroLineKind::Release);
    EXPECT_EQ(ClassifyMacroLine(DelayLine(1234)), MacroLineKind::Delay);
    EXPECT_EQ(ClassifyMacroLine(L"x   Up   Dn"), MacroLineKind::Press);
    EXPECT_EQ(ClassifyMacroLine(L"text"), MacroLineKind::Other);
    EXPECT_EQ(MacroLineKeyName(L"Right Shift   Up"), L"Right Shift");
    EXPECT_EQ(MacroLineKeyName(L"A   DnB   Dn"), L"AB");
    EXPECT_EQ(DelayLine(1234), L"1234 ms");
    EXPECT_EQ(MacroLineDelay(L"1234 ms"), 1234);
}

}  // namespace
}  // namespace norvale
