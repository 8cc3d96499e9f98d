#include "ini_conformance_cases.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace norvale::testing {
namespace {

using Op = IniOperation::Kind;

IniOperation Write(std::wstring section, std::wstring key, std::wstring value)
{
    return {Op::Write, std::move(section), std::move(key), std::move(value)};
}

IniOperation DeleteKey(std::wstring section, std::wstring key)
{
    return {Op::DeleteKey, std::move(section), std::move(key), {}};
}

IniOperation DeleteSection(std::wstring section)
{
    return {Op::DeleteSection, std::move(section), {}, {}};
}

// Setup bytes are written here, independently of the implementation under
// test. Plain files carry ASCII and Latin-1 only.
std::vector<std::uint8_t> FileBytes(const std::wstring& text, bool utf16)
{
    std::vector<std::uint8_t> bytes;
    if (utf16) bytes = {0xFF, 0xFE};
    for (wchar_t character : text) {
        const auto unit = static_cast<std::uint32_t>(character);
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        if (utf16) bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::string Printable(const std::wstring& text)
{
    std::string printable = "\"";
    for (wchar_t character : text) {
        const auto unit = static_cast<unsigned>(character);
        if (unit >= 0x20 && unit < 0x7F) {
            printable += static_cast<char>(unit);
        } else {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unit);
            printable += escaped;
        }
    }
    if (printable.size() > 60) {
        printable.resize(40);
        printable += "...(" + std::to_string(text.size()) + " characters)";
    }
    return printable + "\"";
}

bool Perform(ProfileFile& profile, const std::wstring& file, const IniOperation& operation)
{
    switch (operation.kind) {
    case Op::Write: return profile.WriteString(file, operation.section, operation.key, operation.value);
    case Op::DeleteKey: return profile.DeleteKey(file, operation.section, operation.key);
    case Op::DeleteSection: return profile.DeleteSection(file, operation.section);
    }
    return false;
}

}  // namespace

std::vector<IniCase> IniConformanceCases()
{
    const std::wstring longValue(1500, L'v');
    return {
        {"names of sections and keys ignore case",
         L"[Profile]\r\nItemCount=3\r\nCurProfileName=Game\r\n", false, {},
         {{L"PROFILE", L"itemcount", L"", L"3"}, {L"profile", L"CURPROFILENAME", L"", L"Game"}}},
        {"names and values are trimmed of blanks",
         L"[ Skins ]\r\n  Lan  =   EN  \r\nItem1=\tA B\t\r\n", false, {},
         {{L"Skins", L"Lan", L"", L"EN"}, {L"Skins", L"Item1", L"", L"A B"}}},
        {"one pair of matching quotes is removed",
         L"[S]\r\nA=\"quoted\"\r\nB='single'\r\nC=\"mixed'\r\nD=\"\"twice\"\"\r\n"
         L"E=\" inner \"\r\nF=\"a\"b\"\r\nG=\"\r\n",
         false, {},
         {{L"S", L"A", L"", L"quoted"},
          {L"S", L"B", L"", L"single"},
          {L"S", L"C", L"", L"\"mixed'"},
          {L"S", L"D", L"", L"\"twice\""},
          {L"S", L"E", L"", L" inner "},
          {L"S", L"F", L"", L"a\"b"},
          {L"S", L"G", L"", L"\""}}},
        {"a missing key, section or file gives the fallback",
         L"[S]\r\nK=v\r\n", false, {},
         {{L"S", L"Missing", L"dflt", L"dflt"},
          {L"S", L"Missing", L"padded  ", L"padded"},
          {L"Missing", L"K", L"", L""}}},
        {"a missing file gives the fallback and stays missing", std::nullopt, false, {},
         {{L"S", L"K", L"dflt", L"dflt"}, {L"S", L"K", L"", L""}}, false},
        {"a value longer than the buffer shows 1023 characters",
         L"[S]\r\nLong=" + longValue + L"\r\n", false, {},
         {{L"S", L"Long", L"", longValue.substr(0, 1023)}}},
        {"an empty value is a value, not a missing key",
         L"[MacroName]\r\nMacroCount=0\r\n0=\r\n", false, {},
         {{L"MacroName", L"0", L"dflt", L""}, {L"MacroName", L"MacroCount", L"", L"0"}}},
        {"a value keeps every equals sign after the first",
         L"[S]\r\nK=a=b\r\n", false, {}, {{L"S", L"K", L"", L"a=b"}}},
        {"the first matching section and key win",
         L"[S]\r\nK=first\r\nK=second\r\n[s]\r\nK=third\r\nOnlyLater=x\r\n", false, {},
         {{L"S", L"K", L"", L"first"}, {L"S", L"OnlyLater", L"", L""}}},
        {"writing adds keys and sections and keeps the rest",
         L"[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n", false,
         {Write(L"A", L"Z", L"3"), Write(L"C", L"W", L"4"), Write(L"b", L"y", L"5")},
         {{L"A", L"X", L"", L"1"},
          {L"A", L"Z", L"", L"3"},
          {L"B", L"Y", L"", L"5"},
          {L"C", L"W", L"", L"4"}}},
        {"a written value with blanks and quotes reads back trimmed and unquoted",
         std::nullopt, false,
         {Write(L"S", L"Blank", L"  padded  "), Write(L"S", L"Quoted", L"\"Profile 1\"")},
         {{L"S", L"Blank", L"", L"padded"}, {L"S", L"Quoted", L"", L"Profile 1"}}},
        {"a null value deletes one key",
         L"[A]\r\nX=1\r\nZ=3\r\n", false, {DeleteKey(L"a", L"x")},
         {{L"A", L"X", L"gone", L"gone"}, {L"A", L"Z", L"", L"3"}}},
        {"a null key deletes the whole section",
         L"[Profile]\r\nItemCount=2\r\nItem0=A\r\n[Other]\r\nK=v\r\n", false,
         {DeleteSection(L"PROFILE")},
         {{L"Profile", L"ItemCount", L"", L""},
          {L"Profile", L"Item0", L"", L""},
          {L"Other", L"K", L"", L"v"}}},
        {"a section deleted and written again holds only the new keys",
         L"[Profile]\r\nItemCount=3\r\nItem2=C\r\n", false,
         {DeleteSection(L"Profile"), Write(L"Profile", L"ItemCount", L"1"),
          Write(L"Profile", L"Item0", L"Profile 1")},
         {{L"Profile", L"ItemCount", L"", L"1"},
          {L"Profile", L"Item0", L"", L"Profile 1"},
          {L"Profile", L"Item2", L"", L""}}},
        {"deleting from a missing file creates no file", std::nullopt, false,
         {DeleteSection(L"Profile"), DeleteKey(L"S", L"K")}, {}, false},
        {"a file with the UTF-16LE mark keeps Chinese and German text",
         L"[Setting-CHS]\r\nItem1=\u5de6\u952e\r\n[Setting-DE]\r\nItem1=Klick\r\n", true,
         {Write(L"Setting-CHS", L"Item2", L"\u53f3\u952e"),
          Write(L"Setting-DE", L"Item1", L"Zur\u00fcck"),
          Write(L"Setting-CHT", L"Item1", L"\u9ede\u64ca")},
         {{L"Setting-CHS", L"Item1", L"", L"\u5de6\u952e"},
          {L"Setting-CHS", L"Item2", L"", L"\u53f3\u952e"},
          {L"Setting-DE", L"Item1", L"", L"Zur\u00fcck"},
          {L"Setting-CHT", L"Item1", L"", L"\u9ede\u64ca"}},
         true, true},
        {"a new file is written as ANSI", std::nullopt, false,
         {Write(L"Setting-DE", L"Item1", L"Gr\u00fc\u00dfe")},
         {{L"Setting-DE", L"Item1", L"", L"Gr\u00fc\u00dfe"}}, true, false},
        {"an ANSI file cannot hold Chinese text", L"[S]\r\n", false,
         {Write(L"S", L"K", L"\u5b8f")}, {{L"S", L"K", L"", L"?"}}, true, false},
    };
}

std::vector<std::string> RunIniCase(const IniCase& iniCase, ProfileFile& profile,
                                    const std::filesystem::path& folder)
{
    const std::filesystem::path path = folder / "conformance.ini";
    std::filesystem::remove(path);
    if (iniCase.initialText) {
        const auto bytes = FileBytes(*iniCase.initialText, iniCase.initialUtf16);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const std::wstring file = path.wstring();
    std::vector<std::string> mismatches;
    for (const IniOperation& operation : iniCase.operations) {
        if (!Perform(profile, file, operation)) {
            mismatches.push_back("operation on " + Printable(operation.section) + " reported failure");
        }
    }
    for (const IniRead& read : iniCase.reads) {
        const std::wstring actual = profile.ReadString(file, read.section, read.key, read.fallback);
        if (actual != read.expected) {
            std::string mismatch = Printable(read.section);
            mismatch += " / " + Printable(read.key) + ": got " + Printable(actual);
            mismatch += ", expected " + Printable(read.expected);
            mismatches.push_back(std::move(mismatch));
        }
    }
    if (iniCase.fileExistsAfter && std::filesystem::exists(path) != *iniCase.fileExistsAfter) {
        mismatches.push_back(*iniCase.fileExistsAfter ? "the file is missing" : "a file was created");
    }
    if (iniCase.utf16MarkAfter) {
        std::ifstream in(path, std::ios::binary);
        const std::string start{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const bool marked = start.size() >= 2 && start[0] == '\xFF' && start[1] == '\xFE';
        if (marked != *iniCase.utf16MarkAfter) {
            mismatches.push_back(marked ? "the file has a UTF-16LE mark" : "the file lost its UTF-16LE mark");
        }
    }
    return mismatches;
}

}  // namespace norvale::testing
