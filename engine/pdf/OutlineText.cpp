#include "pdf/OutlineText.h"

#include <cstdint>

namespace vane {

std::string clean_title(const std::string& text) {
    std::string title;
    title.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\t') {
            title += ' ';
        } else if (byte < 32) {
            break;  // line break, paragraph or cell mark, form feed, NUL ...
        } else {
            title += c;
        }
    }
    return title;
}

namespace {

// Length of the valid UTF-8 sequence at text[i] and its code point; 0 when invalid.
std::size_t decode(const std::string& text, std::size_t i, char32_t& cp) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    std::size_t length;
    char32_t min;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1Fu;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0Fu;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07u;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0u) != 0x80u) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::vector<char16_t> utf16_units(const std::string& text) {
    std::vector<char16_t> units;
    units.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        std::size_t length = decode(text, i, cp);
        if (length == 0) {
            cp = static_cast<unsigned char>(text[i]);
            length = 1;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(cp));
        }
        i += length;
    }
    return units;
}

std::string utf16_hex(const std::string& text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex = "FEFF";
    for (char16_t unit : utf16_units(text)) {
        for (int shift = 12; shift >= 0; shift -= 4) hex += digits[(unit >> shift) & 0xF];
    }
    return hex;
}

}  // namespace vane
