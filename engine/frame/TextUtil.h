// Whitespace normalisation and case conversion shared by the commands.
#pragma once

#include <string>

namespace vane {

// In place: tabs and line feeds become spaces, carriage returns go, runs of
// spaces fold to one, leading spaces and one trailing space are dropped.
void normalize_spaces(char* text);

// String form: tabs become spaces, line feeds and carriage returns are removed
// (the text on either side joins up), double spaces collapse, one leading and
// one trailing space are removed; with removeAllSpaces every space goes.
std::string normalize_spaces(std::string text, bool removeAllSpaces);

// Upper-cases each byte in place with the current locale's single-byte rules.
void to_upper(std::string& text);

// Appends code point `code` to `out` in UTF-8; a value that is no character
// (a surrogate, beyond U+10FFFF) appends nothing.
void append_utf8(std::string& out, unsigned long code);

}  // namespace vane
