// vane_htmlfilter: cleans the HTML that a word processor exports before the
// site is cut into pages.
//
//   vane_htmlfilter [-b] [-f] [-a] <input> <output>
//
//   -b  remove the office's own markup: namespaced elements (o:p, v:shape ...),
//       conditional comments and sections, XML islands, generator metadata
//   -f  remove formatting: style sheets, style/class/lang attributes, font tags
//   -a  keep anchors: a name given only as an id is also written as name=
//
// Whatever the switches, the output never wraps lines and keeps each start tag
// (the body's in particular) on one line, which the line-oriented page splitter
// relies on; only a line too long for the splitter to read whole is broken,
// between two anchors. Exit codes: 0 written, 1 input unreadable or unparsable, 2 usage,
// 3 output not written. On failure no output file is left behind.
#include <cstdio>
#include <cstring>
#include <string>

#include "FilterOptions.h"
#include "HtmlCleaner.h"

namespace {

bool read_all(const char* path, std::string& text) {
    std::FILE* in = std::fopen(path, "rb");
    if (in == nullptr) return false;
    char block[16384];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) text.append(block, got);
    const bool ok = std::ferror(in) == 0;
    std::fclose(in);
    return ok;
}

bool write_all(const char* path, const std::string& text) {
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    const bool closed = std::fclose(out) == 0;
    if (written && closed) return true;
    std::remove(path);
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    vane::filter::FilterOptions options;
    if (!vane::filter::parse_arguments(argc, argv, options)) {
        std::fprintf(stderr, "usage: vane_htmlfilter [-b] [-f] [-a] <input> <output>\n");
        return 2;
    }
    std::string input;
    if (!read_all(options.input.c_str(), input)) {
        std::fprintf(stderr, "cannot read %s\n", options.input.c_str());
        return 1;
    }
    std::string output;
    if (!vane::filter::clean_html(input, options, output)) {
        std::fprintf(stderr, "cannot parse %s\n", options.input.c_str());
        return 1;
    }
    if (!write_all(options.output.c_str(), output)) {
        std::fprintf(stderr, "cannot write %s\n", options.output.c_str());
        return 3;
    }
    return 0;
}
