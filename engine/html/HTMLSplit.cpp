#include "html/HTMLSplit.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "frame/FileUtil.h"
#include "html/HtmlScan.h"
#include "html/PageBalance.h"
#include "html/PageFile.h"
#include "html/SiteAssets.h"

namespace vane {

using html::kNotFound;
using html::PageFile;

namespace {

constexpr std::string_view kFooter = "\n</body>\n</html>\n";
constexpr std::string_view kHeadingJoin = " \n";

// One input line, as read_line leaves it in its buffer.
struct LineReader {
    std::FILE* file;
    std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(kReadLineMax + 2);

    // False at the end of the input.
    bool next(std::string_view& line) {
        if (read_line(file, buffer.get()) == 0) return false;
        line = std::string_view(buffer.get(), std::strlen(buffer.get()));
        return true;
    }
};

// The header with a link to the site stylesheet, before the end of its head
// (or before the body start tag when it has no head).
std::string with_style_sheet(const std::string& header, const std::string& baseName) {
    std::string link = "<link rel=\"stylesheet\" href=\"" + baseName + ".css\" type=\"text/css\">";
    std::size_t at = html::find_nocase(header, "</head");
    if (at == kNotFound) at = html::find_nocase(header, "<body");
    if (at == kNotFound) return header;
    if (at == 0 || header[at - 1] == '\n') link += '\n';  // a line of its own
    std::string out = header;
    out.insert(at, link);
    return out;
}

// A heading's third character names a level that starts pages at this depth.
bool qualifies(std::string_view line, std::size_t at, int headingLevel) {
    if (line.size() - at < 4) return false;
    const char digit = line[at + 2];
    return digit >= '1' && digit <= '6' && digit - '0' <= headingLevel;
}

}  // namespace

HTMLSplit::HTMLSplit() = default;
HTMLSplit::~HTMLSplit() = default;

std::string HTMLSplit::pageName(int page) const {
    return baseName_ + "_" + std::to_string(page) + ".html";
}

std::string HTMLSplit::pagePath(int page) const {
    return html::join_path(directory_, pageName(page));
}

std::string HTMLSplit::tempPath() const {
    return html::join_path(directory_, "tempfile.html");
}

// The Previous/Next images that the navigation bars show.
bool HTMLSplit::writeImages() const {
    for (const char* name : {"previous.png", "next.png"}) {
        if (!write_site_block(html::join_path(directory_, name), name)) return false;
    }
    return true;
}

bool HTMLSplit::Split() {
    if (levels == nullptr || pages == nullptr || titles == nullptr) return false;
    headingLevel = std::clamp(headingLevel, 0, 6);
    skipCount = std::max(skipCount, 0);
    title = html::normalized(title);
    html::split_input_path(inputPath, directory_, baseName_);
    lastPage_ = 0;
    anchors_.clear();

    if (!writeImages()) return false;

    PageFile input;
    if (!input.open(inputPath.c_str(), "r")) return false;
    if (!splitPages(input.get())) return false;
    input.close();

    const bool redirect = anchorLinks && !anchors_.empty();
    if (redirect && !redirectLinks()) return false;
    // The work copy of the page rewriting passes never outlives them.
    if (navigation || redirect) delete_file(tempPath().c_str());
    return true;
}

// Pass 1: copies the input into pages, starting a new page at every
// qualifying heading with a text (after the skipped ones). Each page begins
// with the input's header (everything up to the body start tag).
bool HTMLSplit::splitPages(std::FILE* input) {
    LineReader reader{input};
    std::string currentPath = pagePath(0);
    pageText_.clear();
    levels->clear();
    pages->clear();
    titles->clear();
    int pageNumber = 0;
    int currentLevel = 0;
    std::string currentTitle = title;
    bool suppressed = !homePage;  // page 0 of a site without home page stays empty
    int skipLeft = skipCount;

    std::string header;
    bool bodySeen = false;
    std::size_t bodyStart = 0;  // where the current page's own body text begins
    html::PageBalance balance;
    // The body text of the current page settled, then the elements still
    // open closed; the text before the body is kept as it is.
    const auto settle = [&](bool cut) {
        std::string body = balance.settle(std::string_view(pageText_).substr(bodyStart));
        if (cut) {
            balance.dropTrailingLists(body);
            body += balance.closing();
        } else if (balance.anyOpen()) {
            std::size_t end = html::find_nocase(body, "</body");
            if (end == kNotFound) end = body.size();
            body.insert(end, balance.closing());
        }
        pageText_.resize(bodyStart);
        pageText_.append(body);
    };
    std::string element;  // a heading element spread over several lines
    std::string_view line;

    while (reader.next(line)) {
        std::size_t pos = 0;
        if (!bodySeen) {
            // Everything up to the body start tag is the header of every page.
            for (;;) {
                const std::size_t b = html::find_tag(line, 'b', pos);
                if (b == kNotFound) {
                    header.append(line.substr(pos));
                    header += '\n';
                    pos = kNotFound;
                    break;
                }
                header.append(line.substr(pos, b - pos));
                if (!html::starts_with_nocase(line, b, "<BODY")) {
                    header.append(line.substr(b, 2));
                    pos = b + 2;
                    continue;
                }
                std::size_t gt = line.find('>', b);
                if (gt != kNotFound) {
                    header.append(line.substr(b, gt + 1 - b));
                } else {
                    // The tag goes on over further lines: keep it on one line
                    // of the header, its pieces joined by a space.
                    header.append(line.substr(b));
                    for (;;) {
                        if (!reader.next(line)) return false;
                        header += ' ';
                        gt = line.find('>');
                        if (gt != kNotFound) break;
                        header.append(line);
                    }
                    header.append(line.substr(0, gt + 1));
                }
                header += '\n';
                header = with_style_sheet(header, baseName_);
                pageText_.append(header);
                bodyStart = pageText_.size();
                bodySeen = true;
                pos = gt + 1;
                break;
            }
            if (pos == kNotFound) continue;
        }

        std::size_t emitted = pos;  // start of the line's text not yet written
        for (;;) {
            const std::size_t h = html::find_tag(line, 'h', pos);
            if (h == kNotFound) break;
            if (!qualifies(line, h, headingLevel)) {
                pos = h + 2;
                continue;
            }
            pageText_.append(line.substr(emitted, h - emitted));

            // The element runs to the '>' closing the first "</h" after it.
            std::string_view heading;
            std::size_t close = html::find_nocase(line, "</h", h + 2);
            std::size_t gt = close == kNotFound ? kNotFound : line.find('>', close + 3);
            if (gt != kNotFound) {
                heading = line.substr(h, gt + 1 - h);
                pos = gt + 1;
            } else {
                element.assign(line.substr(h));
                std::size_t closeAt = close == kNotFound ? kNotFound : close - h;
                std::size_t base = 0;  // where the latest line starts in the element
                for (;;) {
                    if (!reader.next(line)) return false;
                    element.append(kHeadingJoin);
                    base = element.size();
                    element.append(line);
                    if (closeAt == kNotFound) {
                        close = html::find_nocase(line, "</h");
                        if (close == kNotFound) continue;
                        closeAt = base + close;
                    }
                    gt = element.find('>', std::max(closeAt + 3, base));
                    if (gt != kNotFound) break;
                }
                element.resize(gt + 1);
                heading = element;
                pos = gt + 1 - base;
            }
            emitted = pos;

            const std::string text = html::heading_text(heading);
            if (text.empty() || skipLeft > 0) {
                if (!text.empty()) --skipLeft;
                pageText_.append(heading);
                continue;
            }

            // The heading starts a new page.
            settle(true);
            pageText_ += kFooter;
            if (suppressed) pageText_.clear();  // page 0 of a site without home page stays empty
            if (!finishPage(pageNumber, false, currentPath)) return false;
            suppressed = false;
            if (verbose) {
                std::printf("\nHeading level %d found - %s", heading[2] - '0', text.c_str());
                std::fflush(stdout);  // keep the trace in step with the host's messages
            }
            levels->push_back(currentLevel);
            pages->push_back(currentPath);
            titles->push_back(currentTitle);

            ++pageNumber;
            currentLevel = heading[2] - '0';
            currentTitle = text;
            currentPath = pagePath(pageNumber);
            pageText_.assign(header);
            pageText_.append(balance.reopening());
            bodyStart = pageText_.size();
            pageText_.append(heading);
        }
        pageText_.append(line.substr(emitted));
        pageText_ += '\n';
    }

    // The input's own closing tags end the last page.
    if (bodySeen) settle(false);
    if (suppressed) pageText_.clear();
    if (!finishPage(pageNumber, true, currentPath)) return false;
    levels->push_back(currentLevel);
    pages->push_back(currentPath);
    titles->push_back(currentTitle);
    lastPage_ = pageNumber;
    return true;
}

}  // namespace vane
