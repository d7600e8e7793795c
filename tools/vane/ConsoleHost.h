// The vane host's two callbacks: catalogue texts, and console output that
// formats like the desk program's log ("::id" names a catalogue text) and
// writes to standard output with LF line ends.
#pragma once

#include <cstdarg>
#include <string>

namespace vane::host {

inline constexpr int kOutputBufferSize = 2048;

// Formats one output call as the desk program's log callback does: a format
// beginning with "::" is replaced by the catalogue text of the id after it;
// the result is cut to 2047 characters.
std::string format_output(const char* format, va_list args);

// OutputCallback: formats, turns CR LF into LF and writes to standard output.
void console_output(const char* format, va_list args);

}  // namespace vane::host
