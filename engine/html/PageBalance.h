// Keeps the pages that the splitter cuts well-formed. It follows the elements
// open in the body text of a page; at a cut the page closes them and the next
// page opens them again. Lists that only wrap a heading (the office exports a
// numbered heading as <ol><li><hN>, the number drawn by the list) are taken
// out, start and end tags alike, so that no page shows list numbering that the
// document's text does not.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vane::html {

class PageBalance {
public:
    // Scans the body text of a page and returns it settled: end tags of the
    // wrapper lists taken out, and the lists that wrap a heading in the text
    // dropped. The open elements carry over from one call to the next.
    std::string settle(std::string_view body);

    // Drops the wrapper lists that end `body` (the text `settle` returned),
    // when a heading follows them on the next page.
    void dropTrailingLists(std::string& body);

    // End tags of the elements still open, innermost first.
    std::string closing() const;
    // Start tags of the same elements, outermost first, as they were written.
    std::string reopening() const;

    // Whether an element other than a dropped wrapper is open.
    bool anyOpen() const;

private:
    struct Element {
        std::string name;               // lower case
        std::string tag;                // the start tag as written
        std::size_t offset = kNowhere;  // where the start tag begins in the latest settled text
        std::size_t end = kNowhere;     // just after it
        bool dropped = false;           // a heading's wrapper: its end tag is dropped too
    };
    static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

    void startTag(std::string_view tag, std::string& out);
    void endTag(std::string_view name, std::string_view tag, std::string& out);

    std::vector<Element> open_;
};

}  // namespace vane::html
