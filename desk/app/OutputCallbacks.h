// The two output callbacks that vanedesk hands to InitLib; they format with
// format_output. vanecore calls them on the user-interface thread.
#pragma once

#include <cstdarg>
#include <functional>
#include <string>

#include "OutputFormat.h"

namespace vane::desk {

// Where formatted text goes: the log pane, or a message box that returns
// once the user has closed it.
using TextSink = std::function<void(const std::string& text)>;

// The log pane that log_output appends to; an empty sink means no pane.
void set_log_pane(TextSink sink);
// The message box of message_box_output; an empty sink writes to standard error.
void set_message_box(TextSink sink);

// Log variant: formats and appends to the log pane; does nothing without one.
void log_output(const char* format, va_list args);
// Message-box variant (install action): formats and shows the text.
void message_box_output(const char* format, va_list args);

}  // namespace vane::desk
