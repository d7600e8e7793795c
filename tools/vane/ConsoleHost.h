// The vane host's console output: each line formatted as the desk program's
// log formats it ("::id" names a catalogue text), written to standard output
// with LF line ends.
#pragma once

#include <cstdarg>

namespace vane::host {

// OutputCallback: formats, turns CR LF into LF and writes to standard output.
void console_output(const char* format, va_list args);

}  // namespace vane::host
