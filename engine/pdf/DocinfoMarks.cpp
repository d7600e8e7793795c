#include "pdf/DocinfoMarks.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "pdf/LinkText.h"
#include "pdf/OutlineText.h"
#include "word/CDocinfo.h"

namespace vane {

std::string pdfmark_text(const std::string& text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte <= 0x7E;
    });
    if (plain) return "(" + postscript_string(text) + ")";
    return "<" + utf16_hex(text) + ">";
}

namespace {

// Ghostscript copies the document information into the PDF's XMP metadata,
// where it turns every character beyond Latin-1 into U+FFFD; viewers that
// prefer the metadata would show that in the title bar. Such a document gets
// no metadata stream.
constexpr const char* kOmitMetadata = "<< /OmitXMP true >> setpagedevice\r\n";

bool beyond_latin1(const std::string& text) {
    const std::vector<char16_t> units = utf16_units(text);
    return std::any_of(units.begin(), units.end(), [](char16_t unit) { return unit > 0xFF; });
}

}  // namespace

namespace {

const std::pair<const char*, const std::string CDocinfo::*> kKeys[] = {
    {"/Title", &CDocinfo::title},
    {"/Author", &CDocinfo::author},
    {"/Subject", &CDocinfo::subject},
    {"/Keywords", &CDocinfo::keywords},
};

}  // namespace

std::string docinfo_closing_mark(const CDocinfo& info) {
    std::string line;
    for (const auto& [key, member] : kKeys) {
        const std::string& value = info.*member;
        if (value.empty()) continue;
        line += ' ';
        line += key;
        line += ' ';
        line += pdfmark_text(value);
    }
    return line.empty() ? std::string() : "[" + line + " /DOCINFO pdfmark\r\n";
}

std::string docinfo_marks(const CDocinfo& info) {
    const std::string docinfo = docinfo_closing_mark(info);
    if (docinfo.empty()) return {};
    std::string marks;
    for (const auto& [key, member] : kKeys) {
        if (beyond_latin1(info.*member)) {
            marks = kOmitMetadata;
            break;
        }
    }
    marks += docinfo;
    if (!info.title.empty())
        marks += "[ {Catalog} << /ViewerPreferences << /DisplayDocTitle true >> >> /PUT pdfmark\r\n";
    return marks;
}

}  // namespace vane
