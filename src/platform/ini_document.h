#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvale {

// The lines of an INI file, as the private-profile functions see them:
// "[name]" opens a section, "key=value" is a key of the section above it,
// names match case-insensitively and the first match wins. Lines that are
// neither, and every line nobody changes, are kept exactly as they were.
class IniDocument {
public:
    static IniDocument Parse(std::wstring_view text);

    // The text of the file, lines ended by CR LF.
    std::wstring Render() const;

    // The value of the key, trimmed of blanks; nothing when absent.
    std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;

    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    // Both return false when there was nothing to remove.
    bool EraseKey(std::wstring_view section, std::wstring_view key);
    bool EraseSection(std::wstring_view section);

private:
    enum class Kind { Section, Key, Other };
    struct Line {
        std::wstring text;
        Kind kind = Kind::Other;
        std::wstring name;   // section or key name, trimmed
        std::wstring value;  // key value, trimmed
    };
    struct Span {
        std::size_t header;  // index of the "[name]" line
        std::size_t end;     // one past the section's last line
    };

    static Line ParseLine(std::wstring text);
    std::optional<Span> FindSection(std::wstring_view section) const;
    std::optional<std::size_t> FindKey(const Span& span, std::wstring_view key) const;

    std::vector<Line> lines_;
};

}  // namespace norvale
