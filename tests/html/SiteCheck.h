// Checks of a published site that any test can run on its output folder:
// every page well-formed (each element closed, in order), every page linking
// the site stylesheet, and every internal link reaching an existing page and
// an anchor on it.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vane::test {

// What is wrong with the nesting of a page's elements: empty when every
// element is closed in order. Void elements (br, img, hr, meta, link ...)
// need no end tag; comments, the doctype and the text of script and style
// are not markup.
std::vector<std::string> unbalanced_elements(std::string_view html);

// The anchors of a page: the values of every name= of an <a> and of every id=.
std::set<std::string> page_anchors(std::string_view html);

// The href values of a page's <a> and <link> elements, in order.
std::vector<std::string> page_links(std::string_view html);

// Whether the page has <link rel="stylesheet" href="`styleSheet`">.
bool links_style_sheet(std::string_view html, const std::string& styleSheet);

struct SiteReport {
    int pages = 0;                         // base name + "_<n>.html" files
    std::vector<std::string> unbalanced;   // "page: problem"
    std::vector<std::string> noStyleSheet; // pages without the link
    std::vector<std::string> brokenLinks;  // "page -> href"
    std::vector<std::string> hiddenNames;  // "page: name" for the office's __RefHeading__ names
    int internalLinks = 0;
};

// Checks the pages of the site published into `directory` with `baseName`.
// Internal links are those starting with "#" and those to a page of the
// site; links elsewhere are not looked at.
SiteReport check_site(const std::string& directory, const std::string& baseName);

}  // namespace vane::test
