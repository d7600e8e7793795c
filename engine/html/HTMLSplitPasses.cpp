// The passes of HTMLSplit over the pages that pass 1 cut: the navigation bar,
// the anchor map and the redirection of internal links. Each page is read
// back line by line exactly as read_line would read it from its file, but
// from memory, so that a page is written once by passes 1 to 3 and at most
// once more by pass 4.
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "frame/File.h"
#include "frame/FileUtil.h"
#include "html/HTMLSplit.h"
#include "html/HtmlScan.h"
#include "html/TextLines.h"

namespace vane {

using html::kNotFound;
using html::TextLines;

namespace {

std::string navigation_bar(const std::string& previous, const std::string& next) {
    std::string bar;
    bar += "\n";
    bar += "<table width=\"100%\">\n";
    bar += "<tr>\n";
    bar += "<td align=\"left\">";
    bar += "<a href=\"" + previous + "\">";
    bar += "<img src=\"previous.png\" border=\"0\" width=\"25\"></img>";
    bar += "</a>&nbsp;&nbsp;&nbsp;";
    bar += "<a href=\"" + next + "\">";
    bar += "<img src=\"next.png\" border=\"0\" width=\"25\"></img>";
    bar += "</a>&nbsp;&nbsp;&nbsp;";
    bar += "</td>\n";
    bar += "</tr>\n";
    bar += "</table>\n";
    bar += "<hr />\n";
    return bar;
}

// Position of the '>' closing a body start tag that begins on the line, or
// kNotFound when the line has no body start tag. `unclosed` is set when the
// tag begins on the line but does not end there.
std::size_t body_tag_end(std::string_view line, bool& unclosed) {
    unclosed = false;
    for (std::size_t b = html::find_tag(line, 'b'); b != kNotFound; b = html::find_tag(line, 'b', b + 2)) {
        if (!html::starts_with_nocase(line, b, "<BODY")) continue;
        const std::size_t gt = line.find('>', b);
        unclosed = gt == kNotFound;
        return gt;
    }
    return kNotFound;
}

// Writes the whole text to a page file (text mode, as every page).
bool write_page(const std::string& path, std::string_view text) {
    File out = File::open(path.c_str(), "w");
    if (!out.isOpen()) return false;
    const bool written = text.empty() || std::fwrite(text.data(), 1, text.size(), out.get()) == text.size();
    return out.close() && written;
}

// Reads a whole page file (text mode); false when it cannot be opened or read.
bool read_page(const std::string& path, std::string& text) {
    File in = File::open(path.c_str(), "r");
    if (!in.isOpen()) return false;
    text.clear();
    char block[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, in.get());
        text.append(block, got);
        if (got < sizeof block) break;
    }
    return !std::ferror(in.get());
}

// Replaces a page's content by `text`. The file is overwritten in place, not
// truncated to nothing first, which spares the file system a forced flush.
bool rewrite_page(const std::string& path, std::string_view text) {
    File out = File::open(path.c_str(), "r+");
    if (!out.isOpen()) return write_page(path, text);
    const bool written = text.empty() || std::fwrite(text.data(), 1, text.size(), out.get()) == text.size();
    const bool flushed = std::fflush(out.get()) == 0;
    const long end = std::ftell(out.get());
    if (!out.close() || !written || !flushed || end < 0) return false;
    std::error_code error;
    if (std::filesystem::file_size(path, error) > static_cast<std::uintmax_t>(end) && !error)
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(end), error);
    return !error;
}

}  // namespace

// Pass 2 for one page: puts the Previous/Next bar behind the body start tag.
// The first page's Previous and the last page's Next point to the page itself.
bool HTMLSplit::addNavigation(int page, bool last, std::string& out) const {
    const std::string bar =
        navigation_bar(pageName(page == 1 ? 1 : page - 1), pageName(last ? page : page + 1));
    out.clear();
    out.reserve(pageText_.size() + bar.size() + 2);
    TextLines lines(pageText_);
    std::string_view line;
    bool placed = false;
    while (lines.next(line)) {
        if (!placed) {
            bool unclosed = false;
            const std::size_t gt = body_tag_end(line, unclosed);
            if (unclosed) return false;
            if (gt != kNotFound) {
                out.append(line.substr(0, gt + 1));
                out += '\n';
                out += bar;
                line.remove_prefix(gt + 1);
                placed = true;
            }
        }
        out.append(line);
        out += '\n';
    }
    return true;
}

// Pass 3 for one page: maps every anchor name to the page; a name met again
// later takes the later page.
void HTMLSplit::collectAnchors(int page, std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    std::string attributes;
    while (lines.next(line)) {
        std::size_t pos = 0;
        for (;;) {
            const std::size_t a = html::find_tag(line, 'a', pos);
            if (a == kNotFound) break;
            const std::size_t gt = line.find('>', a + 2);
            if (gt != kNotFound) {
                attributes.assign(line.substr(a + 2, gt - a - 2));
                pos = gt + 1;
            } else {
                // The tag goes on in the file: take its characters up to the '>'.
                attributes.assign(line.substr(a + 2));
                std::string_view more = lines.takeThrough('>');
                if (!more.empty() && more.back() == '>') more.remove_suffix(1);
                attributes.append(more);
                pos = line.size();
            }
            const html::AttributeValue value = html::find_attribute(attributes, "name=");
            if (!value.found()) continue;
            std::string name =
                html::normalized(std::string_view(attributes).substr(value.start, value.length));
            if (!name.empty()) anchors_[std::move(name)] = page;
        }
    }
}

// Passes 1 to 3 end here for each page: the bar, the anchors, then the file.
bool HTMLSplit::finishPage(int page, bool last, const std::string& path) {
    std::string_view text = pageText_;
    if (navigation && page >= 1) {
        if (!addNavigation(page, last, navigated_)) return false;
        text = navigated_;
    }
    if (anchorLinks) collectAnchors(page, text);
    return write_page(path, text);
}

// Pass 4: points every link to "#name" at the page that holds the anchor.
bool HTMLSplit::redirectLinks() {
    std::string text;
    std::string out;
    std::string work;
    for (int page = 0; page <= lastPage_; ++page) {
        const std::string path = pagePath(page);
        if (!read_page(path, text)) continue;  // a page that cannot be read is left as it is
        out.clear();
        out.reserve(text.size() + text.size() / 8);
        TextLines lines(text);
        std::string_view line;
        while (lines.next(line)) {
            if (html::find_tag(line, 'a') == kNotFound) {
                out.append(line);
                out += '\n';
                continue;
            }
            work.assign(line);
            std::size_t pos = 0;
            for (;;) {
                const std::size_t a = html::find_tag(work, 'a', pos);
                if (a == kNotFound) break;
                std::size_t gt = work.find('>', a + 2);
                while (gt == kNotFound) {
                    // The tag goes on: the next line joins this one after a space.
                    const std::size_t from = work.size();
                    if (!lines.next(line)) break;
                    work += ' ';
                    work.append(line);
                    gt = work.find('>', from);
                }
                const std::size_t end = gt == kNotFound ? work.size() : gt;
                const std::string_view attributes = std::string_view(work).substr(a + 2, end - a - 2);
                const html::AttributeValue value = html::find_attribute(attributes, "href=");
                pos = gt == kNotFound ? work.size() : gt + 1;
                if (!value.found()) continue;
                const std::string target = html::normalized(attributes.substr(value.start, value.length));
                if (target.size() < 2 || target[0] != '#') continue;
                const auto hit = anchors_.find(target.substr(1));
                if (hit == anchors_.end()) continue;
                const std::string file = pageName(hit->second);
                work.insert(a + 2 + value.start, file);
                pos += file.size();
            }
            out.append(work);
            out += '\n';
        }
        if (out != text && !rewrite_page(path, out)) return false;
    }
    return true;
}

}  // namespace vane
