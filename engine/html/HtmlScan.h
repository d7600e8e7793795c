// Text searches shared by the page splitter and the tree index. They work on
// byte ranges; nothing here allocates except the functions returning strings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vane::html {

inline constexpr std::size_t kNotFound = std::string_view::npos;

// Position of the first '<' at or after `from` followed by `letter` in either
// case (letter given in lower case), e.g. "<h" or "<H".
std::size_t find_tag(std::string_view text, char letter, std::size_t from = 0);

// Position of the first match of `needle` (lower-case ASCII) at or after
// `from`, ignoring ASCII case.
std::size_t find_nocase(std::string_view text, std::string_view needle, std::size_t from = 0);

// True when the bytes at `at` spell `word` (upper-case ASCII) ignoring case.
bool starts_with_nocase(std::string_view text, std::size_t at, std::string_view word);

// Where an attribute value sits in a tag's attribute text.
struct AttributeValue {
    std::size_t start = kNotFound;  // first byte of the value (inside any quotes)
    std::size_t length = 0;
    bool found() const { return start != kNotFound; }
};

// Finds `name` (e.g. "href=", lower case, matched ignoring case) in the
// attribute text and returns its value: the text between the quotes when the
// value is quoted with " or ', else the run of bytes up to the next blank.
// Not found when the attribute is missing or its closing quote is.
AttributeValue find_attribute(std::string_view attributes, std::string_view name);

// The buffer form of normalize_spaces applied to a copy.
std::string normalized(std::string_view text);

// The title of a heading element: the pieces of text between each '>' and the
// following '<', joined by single spaces, "&nbsp;" turned into spaces, then
// normalised.
std::string heading_text(std::string_view element);

// The part of a path after its last '/'.
std::string file_name_of(const std::string& path);

// Directory (before the last '/'; "." when there is none) and base name (the
// file name without the part from its last '.').
void split_input_path(const std::string& path, std::string& directory, std::string& baseName);

// directory + '/' + name, or name alone when the directory is empty.
std::string join_path(const std::string& directory, const std::string& name);

}  // namespace vane::html
