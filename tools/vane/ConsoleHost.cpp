#include "ConsoleHost.h"

#include <cstdio>
#include <cstdlib>

#include "MessageCatalog.h"

namespace vane::host {

std::string format_output(const char* format, va_list args) {
    if (format == nullptr) return {};
    std::string catalogued;
    if (format[0] == ':' && format[1] == ':') {
        const int id = std::atoi(format + 2);
        const char* t = catalog::text(id, catalog::current_language());
        catalogued = t != nullptr ? t : "";
        format = catalogued.c_str();
    }
    char buffer[kOutputBufferSize];
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (n < 0) return {};
    return buffer;
}

void console_output(const char* format, va_list args) {
    const std::string text = format_output(format, args);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

}  // namespace vane::host
