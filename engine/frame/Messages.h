// Numbered messages: texts come from the host's catalogue through the message
// callback and are handed, unformatted, with their arguments to the output
// callback. Three grades: errors (always), normal (not under -s), verbose
// (only under -v).
#pragma once

#include <cstdarg>
#include <string>

namespace vane {

inline constexpr int kMessageBufferSize = 4096;

// Text of message `id` in the host's language; empty when unknown or before InitLib.
std::string load_message(int id);

// Hands a format and its arguments unchanged to the output callback.
void output_text(const char* format, ...);
void output_text_v(const char* format, va_list args);

// Prints message `id` with the arguments its placeholders name.
void print_message(int id, ...);
// As print_message, unless the silent flag is set.
void print_normal(int id, ...);
// As print_message, only when the verbose flag is set.
void print_verbose(int id, ...);

}  // namespace vane
