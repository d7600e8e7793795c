// Splits a command line into arguments the way the Windows C runtime does:
// white space separates arguments outside double quotes; 2n backslashes before
// a quote give n backslashes and the quote toggles quoting; 2n+1 give n
// backslashes and a literal quote; other backslashes are literal; "" inside
// quotes gives a literal quote.
#pragma once

#include <string>
#include <vector>

namespace vane {

std::vector<std::string> split_command_line(const std::string& commandLine);

}  // namespace vane
