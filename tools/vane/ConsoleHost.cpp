#include "ConsoleHost.h"

#include <cstdio>
#include <string>

#include "OutputFormat.h"

namespace vane::host {

void console_output(const char* format, va_list args) {
    const std::string text = desk::format_output(format, args);
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
