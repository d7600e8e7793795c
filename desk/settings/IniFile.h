// A read-only view of an INI file with the lookup rules of the profile file:
// section and key names match without regard to case, the first matching
// section and the first matching key in it count, values come back without
// surrounding blanks and cut to kValueMax bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vane::settings {

class IniFile {
public:
    static constexpr std::size_t kValueMax = 2047;  // a 2048-byte buffer with its terminator

    // Parses the text of a file. Lines end with LF or CR LF. "[name]" opens a
    // section; "key=value" adds a key to the current section; a line without
    // "=" is a key with an empty value; lines before the first section,
    // empty lines and lines starting with ";" are ignored.
    static IniFile parse(std::string_view text);
    // Reads and parses a file; a missing or unreadable file gives no sections.
    static IniFile load(const std::string& path);

    // The value of key in section; none when the section or the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // As value(), with a default for an absent key.
    std::string value(std::string_view section, std::string_view key, std::string_view fallback) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    std::vector<Section> sections_;
};

}  // namespace vane::settings
