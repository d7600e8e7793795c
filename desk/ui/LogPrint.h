// Printing into the main dialog's log pane through the log output callback.
#pragma once

namespace vane::desk {

// Formats like printf and appends the text to the log pane (nothing without one).
void print_log(const char* format, ...);
// Prints the catalogue text of id (current language) as the format, without arguments.
void print_log_message(int id);

}  // namespace vane::desk
