// Texts of link marks: which addresses count as URLs, and how an address is
// written inside a PostScript string.
#pragma once

#include <string>

namespace vane {

// True when `address` is a URL of a known scheme (ftp, gopher, http, https,
// file, news, mailto, socks, in any case), with an optional user and password,
// host, port, path and extra part within their length limits.
bool is_known_url(const std::string& address);

// `text` as the inside of a PostScript string: backslash and parentheses
// escaped, bytes outside printable ASCII as three-digit octal escapes, so the
// string reads back byte for byte.
std::string postscript_string(const std::string& text);

// ASCII letters lower-cased; other bytes (UTF-8 sequences) unchanged.
std::string ascii_lower(std::string text);

}  // namespace vane
