#include "frame/Messages.h"

#include "frame/LibraryState.h"

namespace vane {

std::string load_message(int id) {
    char buffer[kMessageBufferSize] = {};
    if (state().message != nullptr) {
        state().message(id, buffer, kMessageBufferSize);
        buffer[kMessageBufferSize - 1] = '\0';
    }
    return buffer;
}

void output_text_v(const char* format, va_list args) {
    if (state().output != nullptr && format != nullptr) state().output(format, args);
}

void output_text(const char* format, ...) {
    va_list args;
    va_start(args, format);
    output_text_v(format, args);
    va_end(args);
}

namespace {

void print_v(int id, va_list args) {
    const std::string text = load_message(id);
    output_text_v(text.c_str(), args);
}

}  // namespace

void print_message(int id, ...) {
    va_list args;
    va_start(args, id);
    print_v(id, args);
    va_end(args);
}

void print_normal(int id, ...) {
    if (state().silent) return;
    va_list args;
    va_start(args, id);
    print_v(id, args);
    va_end(args);
}

void print_verbose(int id, ...) {
    if (!state().verbose) return;
    va_list args;
    va_start(args, id);
    print_v(id, args);
    va_end(args);
}

}  // namespace vane
