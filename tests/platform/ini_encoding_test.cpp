#include "platform/ini_encoding.h"

#include <gtest/gtest.h>

namespace norvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(IniEncoding, Utf16FilesKeepCharactersOutsideTheBasicPlane)
{
    const Bytes file = {0xFF, 0xFE, 0x2D, 0x4E, 0x3D, 0xD8, 0x00, 0xDE, 0x0D, 0x00, 0x0A, 0x00};

    const IniText decoded = DecodeIniBytes(file);

    EXPECT_EQ(decoded.encoding, IniEncoding::Utf16Le);
    EXPECT_EQ(decoded.text, L"\u4E2D\U0001F600\r\n");
    EXPECT_EQ(EncodeIniText(decoded.text, IniEncoding::Utf16Le), file);
}

TEST(IniEncoding, AnsiFilesUseTheWindowsWesternCodePage)
{
    const IniText decoded = DecodeIniBytes(Bytes{0x80, 0x9F, 0xFC, 0x41});

    EXPECT_EQ(decoded.encoding, IniEncoding::Ansi);
    EXPECT_EQ(decoded.text, L"\u20AC\u0178\u00FC" L"A");
    EXPECT_EQ(EncodeIniText(L"\u20AC\u00FC" L"A\u4E2D", IniEncoding::Ansi),
              (Bytes{0x80, 0xFC, 0x41, '?'}));
}

TEST(IniEncoding, OnlyALeadingMarkMakesAFileUtf16)
{
    EXPECT_EQ(DecodeIniBytes(Bytes{0xFE, 0xFF, 0x41}).encoding, IniEncoding::Ansi);
    EXPECT_EQ(DecodeIniBytes(Bytes{0x41, 0xFF, 0xFE}).text, L"A\u00FF\u00FE");
    EXPECT_EQ(DecodeIniBytes(Bytes{}).text, L"");
}

}  // namespace
}  // namespace norvale
