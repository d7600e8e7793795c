#include "OutputFormat.h"

#include <cstdio>

#include "MessageCatalog.h"

namespace vane::desk {

namespace {

// Drops an incomplete UTF-8 sequence left at the end by a cut.
void drop_partial_sequence(std::string& text) {
    std::size_t lead = text.size();
    int continuation = 0;
    while (lead > 0 && continuation < 4 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) {
        --lead;
        ++continuation;
    }
    if (lead == 0) return;
    const unsigned char first = static_cast<unsigned char>(text[lead - 1]);
    int length = 1;
    if ((first & 0xE0) == 0xC0)
        length = 2;
    else if ((first & 0xF0) == 0xE0)
        length = 3;
    else if ((first & 0xF8) == 0xF0)
        length = 4;
    if (length > 1 && continuation + 1 < length) text.resize(lead - 1);
}

}  // namespace

std::string format_output(const char* format, va_list args) {
    if (format == nullptr) return std::string();
    std::string catalogueText;
    if (format[0] == ':' && format[1] == ':') {
        const char* digits = format + 2;
        int id = 0;
        for (; *digits >= '0' && *digits <= '9' && id < 100000; ++digits) id = id * 10 + (*digits - '0');
        const char* text = catalog::text(id, catalog::current_language());
        catalogueText = text != nullptr ? text : "";
        format = catalogueText.c_str();
    }
    char buffer[kOutputBufferSize];
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (length < 0) return std::string();
    std::string result(buffer);
    if (static_cast<std::size_t>(length) >= sizeof buffer) drop_partial_sequence(result);
    return result;
}

}  // namespace vane::desk
