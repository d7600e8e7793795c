#include "frame/TextUtil.h"

#include <cctype>

namespace vane {

void normalize_spaces(char* text) {
    if (text == nullptr || *text == '\0') return;
    char* out = text;
    char previous = '\0';  // previous character of the input, after mapping
    for (const char* in = text; *in != '\0'; ++in) {
        char c = *in;
        if (c == '\r') continue;
        if (c == '\t' || c == '\n') c = ' ';
        const bool dropSpace = c == ' ' && (previous == ' ' || out == text);
        previous = c;
        if (!dropSpace) *out++ = c;
    }
    if (out != text && out[-1] == ' ') --out;
    *out = '\0';
}

std::string normalize_spaces(std::string text, bool removeAllSpaces) {
    std::string joined;
    joined.reserve(text.size());
    for (char c : text) {
        if (c == '\n' || c == '\r') continue;
        joined += c == '\t' ? ' ' : c;
    }
    std::string folded;
    folded.reserve(joined.size());
    for (char c : joined) {
        if (c == ' ' && !folded.empty() && folded.back() == ' ') continue;
        folded += c;
    }
    if (!folded.empty() && folded.front() == ' ') folded.erase(0, 1);
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    if (removeAllSpaces) std::erase(folded, ' ');
    return folded;
}

void to_upper(std::string& text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void append_utf8(std::string& out, unsigned long code) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace vane
