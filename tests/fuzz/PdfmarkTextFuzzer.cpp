// The string writers of the outline and link marks. A PostScript string must
// read back byte for byte and stay printable ASCII; a UTF-16 hex string is
// "FEFF" and whole upper-case code units.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "pdf/LinkText.h"
#include "pdf/OutlineText.h"

using vane::fuzz::require;

namespace {

// Reads the inside of a PostScript string back into bytes.
std::string read_postscript(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        require(i + 1 < text.size(), "string ends in a lone backslash");
        const char next = text[++i];
        if (next >= '0' && next <= '7') {
            int value = 0;
            int digits = 0;
            while (digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7') {
                value = value * 8 + (text[i++] - '0');
                ++digits;
            }
            --i;
            bytes += static_cast<char>(value);
        } else {
            bytes += next;
        }
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string written = vane::postscript_string(text);
    int depth = 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(written[i]);
        require(c >= 0x20 && c < 0x7f, "byte outside printable ASCII in a PostScript string");
        if (c == '\\')
            ++i;
        else if (c == '(')
            ++depth;
        else if (c == ')')
            require(--depth >= 0, "unbalanced parenthesis in a PostScript string");
    }
    require(read_postscript(written) == text, "PostScript string does not read back");

    const std::string title = vane::clean_title(text);
    require(title.size() <= text.size(), "title longer than its heading");
    for (const char c : title)
        require(static_cast<unsigned char>(c) >= 0x20 || c < 0, "control character in a title");

    const std::string hex = vane::utf16_hex(text);
    require(hex.rfind("FEFF", 0) == 0 && hex.size() % 4 == 0, "UTF-16 string not whole units after FEFF");
    require(hex.find_first_not_of("0123456789ABCDEF") == std::string::npos,
            "non-hex digit in a UTF-16 string");
    require(vane::utf16_units(text).size() * 4 + 4 == hex.size(), "UTF-16 units and hex differ");

    (void)vane::is_known_url(text);
    (void)vane::ascii_lower(text);
    return 0;
}
