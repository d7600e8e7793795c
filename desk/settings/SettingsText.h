// Small text helpers of the profile file: trimming and case-blind comparison.
#pragma once

#include <string>
#include <string_view>

namespace vane::settings {

// Blank, tab, line feed, vertical tab, form feed and carriage return.
bool is_blank(char c);
// The text without leading and trailing blanks.
std::string trim(std::string_view text);
// ASCII comparison without regard to letter case.
bool equal_no_case(std::string_view a, std::string_view b);
// ASCII lower case.
std::string to_lower(std::string_view text);
// Decimal integer as the C library reads it: leading blanks, an optional sign,
// then digits up to the first other character; 0 without digits. Saturates
// instead of overflowing.
int parse_int(std::string_view text);

}  // namespace vane::settings
