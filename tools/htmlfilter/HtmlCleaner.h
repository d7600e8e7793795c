// The cleaning itself: a text pass for what no HTML parser keeps apart
// (conditional comments, inline wrapper tags), then libtidy and a walk over
// its tree.
#pragma once

#include <string>

#include "FilterOptions.h"

namespace vane::filter {

// Removes `<!--[if ...]> ... <![endif]-->` blocks whole and the markers of
// `<![if ...]> ... <![endif]>` sections (their content stays).
std::string strip_conditionals(const std::string& html);

// Removes the start and end tags of the named element (case-insensitive),
// keeping what they enclose.
std::string unwrap_element(const std::string& html, const std::string& name);

// The whole cleaning; false when the input is not HTML that can be parsed.
bool clean_html(const std::string& input, const FilterOptions& options, std::string& output);

}  // namespace vane::filter
