// The links of one conversion: table-of-contents entries, internal and web
// hyperlinks of the body, text boxes, footnotes, headers and footers; their
// destinations; and their link annotation marks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pdf/CLink.h"

namespace vane::word {
class Application;
class Document;
class Hyperlink;
class Range;
class Section;
class Selection;
}  // namespace vane::word

namespace vane {

class CDocinfo;
class CRegionList;

class CLinkList {
public:
    explicit CLinkList(const CDocinfo& docinfo) : docinfo(docinfo) {}
    CLinkList(const CLinkList&) = delete;
    CLinkList& operator=(const CLinkList&) = delete;
    ~CLinkList();

    void clear();

    // The entries of the document's tables of contents. Word-processor errors propagate.
    void extractTocLinks(word::Application& application, word::Document& document);
    // Hyperlinks of the body, text boxes, footnotes, headers and footers.
    // Errors in text boxes, footnotes and headers/footers end that part only.
    void extractOtherLinks(word::Document& document, word::Application& application);
    // With -r: reference fields with "\h" in the main text, and footnote and
    // endnote marks with their notes' numbers. Each part stops at its first
    // failure; what it found stays.
    void extractCrossReferences(word::Document& document, word::Application& application);
    // Page and view position of every Toc and Internal link's bookmark; links
    // whose bookmark cannot be reached or placed keep destination page 0.
    // Links placed when they were found (notes and their marks) stay as they are.
    void resolveDestinations(word::Application& application);
    // Appends one link annotation mark per writable link to the mark file;
    // false when it cannot be opened. Throws std::runtime_error when writing fails.
    bool writeAnnotations(const std::string& markFile) const;

    // Where the regions of one link go.
    enum class Placement { Measured, Footnote, FirstPage, EvenPages, Primary };
    // The page layout of the section whose header or footer holds a link: its
    // links go only on pages of that orientation and size. Orientation -1
    // (and sizes 0): any page.
    struct SectionLayout {
        int orientation = -1;
        float width = 0;
        float height = 0;
    };
    // The pages a header or footer link is repeated on.
    std::vector<std::int32_t> replicatedPages(Placement placement, const SectionLayout& layout) const;

    // One header or footer of a section, as the link passes visit it, with the
    // verbose message that names it.
    struct HeaderFooterVisit {
        word::Section& section;
        bool header;
        int index;  // the word processor's code: first page, even pages or primary
        Placement placement;
        const SectionLayout& layout;
        int message;
        // The story's text, read when asked for.
        std::unique_ptr<word::Range> range() const;
    };
    // Switches the view to print layout's header and footer editing, visits
    // every section's first-page, even-page and primary header, then footers
    // (the first two only where the document has them), and sets the view
    // back to the main document. A failure propagates and leaves the view as it is.
    void visitHeadersFooters(word::Document& document,
                             const std::function<void(const HeaderFooterVisit&)>& visit) const;

    // Appends a link with the edges of `region`, destination to come.
    CLink& add(std::int32_t page, LinkType type, const CRegion& region, const std::string& dest);

    const CDocinfo& docinfo;
    std::vector<std::unique_ptr<CLink>> links;

private:

    void addTocLinks(const CRegionList& regions, const std::string& dest);
    void readHyperlink(word::Hyperlink& hyperlink, word::Selection& selection, bool bodyPass,
                       std::int32_t& pageHint, Placement placement, const SectionLayout& layout);
    void bodyPass(word::Document& document, word::Selection& selection);
    void shapePass(word::Document& document, word::Selection& selection);
    void footnotePass(word::Document& document, word::Selection& selection);
    void headerFooterPass(word::Document& document, word::Selection& selection);
};

}  // namespace vane
