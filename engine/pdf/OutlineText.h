// Text steps of the outline: turning a heading's raw text into a title, and
// writing a title as the UTF-16 hex string that outline marks carry.
#pragma once

#include <string>
#include <vector>

namespace vane {

// The title of a heading: tabs become spaces, and the text ends before the
// first line break, paragraph mark, cell mark or other control character.
// Bytes of 128 and above (UTF-8 sequences) are kept.
std::string clean_title(const std::string& text);

// UTF-16 code units of UTF-8 `text`; characters beyond the basic plane give a
// surrogate pair. A byte that does not belong to a valid UTF-8 sequence is
// taken as a single-byte (Latin-1) character.
std::vector<char16_t> utf16_units(const std::string& text);

// "FEFF" followed by each code unit of `text` as four upper-case hex digits.
std::string utf16_hex(const std::string& text);

}  // namespace vane
