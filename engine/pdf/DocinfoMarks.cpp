#include "pdf/DocinfoMarks.h"

#include <algorithm>
#include <utility>

#include "pdf/CDocinfo.h"
#include "pdf/LinkText.h"
#include "pdf/OutlineText.h"

namespace vane {

std::string pdfmark_text(const std::string& text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte <= 0x7E;
    });
    if (plain) return "(" + postscript_string(text) + ")";
    return "<" + utf16_hex(text) + ">";
}

std::string docinfo_marks(const CDocinfo& info) {
    const std::pair<const char*, const std::string*> keys[] = {
        {"/Title", &info.title},
        {"/Author", &info.author},
        {"/Subject", &info.subject},
        {"/Keywords", &info.keywords},
    };
    std::string line;
    for (const auto& [key, value] : keys) {
        if (value->empty()) continue;
        line += ' ';
        line += key;
        line += ' ';
        line += pdfmark_text(*value);
    }
    if (line.empty()) return {};
    std::string marks = "[" + line + " /DOCINFO pdfmark\r\n";
    if (!info.title.empty())
        marks += "[ {Catalog} << /ViewerPreferences << /DisplayDocTitle true >> >> /PUT pdfmark\r\n";
    return marks;
}

}  // namespace vane
