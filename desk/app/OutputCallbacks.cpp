#include "OutputCallbacks.h"

#include <cstdio>

namespace vane::desk {

namespace {

TextSink& log_pane() {
    static TextSink sink;
    return sink;
}

TextSink& message_box() {
    static TextSink sink;
    return sink;
}

}  // namespace

void set_log_pane(TextSink sink) {
    log_pane() = std::move(sink);
}

void set_message_box(TextSink sink) {
    message_box() = std::move(sink);
}

void log_output(const char* format, va_list args) {
    if (!log_pane()) return;
    log_pane()(format_output(format, args));
}

void message_box_output(const char* format, va_list args) {
    const std::string text = format_output(format, args);
    if (message_box()) {
        message_box()(text);
    } else {
        std::fputs(text.c_str(), stderr);
        std::fputc('\n', stderr);
    }
}

}  // namespace vane::desk
