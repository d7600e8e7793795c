// Command lines split the way the Windows C runtime does, and arguments quoted
// for them. Splitting: white space separates arguments outside double quotes;
// 2n backslashes before a quote give n backslashes and the quote toggles
// quoting; 2n+1 give n backslashes and a literal quote; other backslashes are
// literal; "" inside quotes gives a literal quote.
#pragma once

#include <string>
#include <vector>

namespace vane {

std::vector<std::string> split_command_line(const std::string& commandLine);

// Wraps one argument in double quotes so that split_command_line gives it back
// unchanged whatever it holds (file names may hold quotes here): a quote
// inside is escaped and the backslashes before a quote or the closing quote
// are doubled.
std::string quote_command_argument(const std::string& argument);

}  // namespace vane
