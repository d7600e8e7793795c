// The cleaning itself: a text pass for what no HTML parser keeps apart
// (conditional comments, inline wrapper tags), then libtidy and a walk over
// its tree.
#pragma once

#include <cstddef>
#include <string>

#include "FilterOptions.h"

namespace vane::filter {

// Removes `<!--[if ...]> ... <![endif]-->` blocks whole and the markers of
// `<![if ...]> ... <![endif]>` sections (their content stays).
std::string strip_conditionals(const std::string& html);

// Removes the start and end tags of the named element (case-insensitive),
// keeping what they enclose.
std::string unwrap_element(const std::string& html, const std::string& name);

// Lines are kept well under the 16382 characters the page splitter reads as
// one line: a longer one comes back in pieces, and a piece may end inside a tag.
inline constexpr std::size_t kLineLimit = 8000;

// `html` with each line longer than `limit` broken, as often as needed, at
// the first place past the limit between two anchors that follow each other
// ("</a>" and "<a"): a heading that carries hundreds of bookmarks is such a
// line. Tags stay whole on their lines; a line with no such place stays as it is.
std::string break_long_lines(const std::string& html, std::size_t limit);

// The whole cleaning; false when the input is not HTML that can be parsed.
bool clean_html(const std::string& input, const FilterOptions& options, std::string& output);

}  // namespace vane::filter
