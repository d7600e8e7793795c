// The formatting of the library's output lines, shared by the desk program's
// callbacks and the vane host's console.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

namespace vane::desk {

inline constexpr std::size_t kOutputBufferSize = 2048;  // 2047 bytes of text and the terminator

// A format that begins with "::" is replaced by the catalogue text (current
// language) of the id in the leading digits after it; the format is then
// printed with the arguments, cut to 2047 bytes (never inside a UTF-8 sequence).
std::string format_output(const char* format, va_list args);

}  // namespace vane::desk
