// Reads a published PDF back for the end-to-end checks: the glyph boxes of every
// page (poppler), the outline and the link annotations (qpdf). All coordinates are
// PDF user space of the page as stored, before its /Rotate: a landscape page printed
// on portrait paper keeps its text sideways, exactly where the link rectangles and
// destinations were computed.
#pragma once

#include <string>
#include <vector>

namespace vane::test {

struct Box {
    double left = 0, bottom = 0, right = 0, top = 0;
};

struct Glyph {
    std::string text;  // one character, UTF-8
    Box box;
    bool spaceAfter = false;  // last glyph of a word followed by a blank
};

struct PdfPage {
    double width = 0, height = 0;  // media box
    double left = 0, bottom = 0;   // its lower-left corner
    int rotate = 0;
    std::vector<Glyph> glyphs;  // reading order
};

struct PdfOutlineItem {
    std::string title;
    int depth = 1;  // 1 = top level
    int count = 0;  // /Count as stored (0 when absent)
    int children = 0;
    int page = 0;         // 1-based; 0 when the destination names no page
    double x = 0, y = 0;  // /XYZ left and top (NaN when null)
};

struct PdfLink {
    int page = 0;
    Box rect;
    std::string uri;      // URI action, or empty
    int destPage = 0;     // go-to destination, or 0
    double x = 0, y = 0;  // /XYZ left and top of the destination
};

struct PdfReadBack {
    std::vector<PdfPage> pages;
    std::vector<PdfOutlineItem> outline;  // depth first, document order
    std::vector<PdfLink> links;           // page order, then annotation order
};

// Reads `pdf`; `scratch` is a file path the reader may write (an unrotated copy).
PdfReadBack read_back(const std::string& pdf, const std::string& scratch);
// Reads the pages' media boxes, the outline and the links of `pdf`, no glyphs.
PdfReadBack read_marks(const std::string& pdf);

// A mark that points off its page: an outline destination, a link rectangle or
// a link's destination outside the media box of its page (or naming no page).
struct OffPageMark {
    enum Kind { OutlineDestination, LinkRectangle, LinkDestination } kind;
    int number = 0;  // 1-based place among the outline entries or the links
    int page = 0;    // the page it should lie on
    std::string why;
};

// Every mark of `pdf` that lies off its page; `slack` points past the media box
// still count as on it (the marks are rounded to whole points).
std::vector<OffPageMark> off_page_marks(const PdfReadBack& pdf, double slack = 1.0);
std::string describe(const OffPageMark& mark);

// Text of the glyphs without blanks.
std::string squeeze_blanks(const std::string& text);

// The glyphs of `page` whose centre lies inside `rect` (widened by `slack`).
std::vector<const Glyph*> glyphs_inside(const PdfPage& page, const Box& rect, double slack = 0);
std::string text_of(const std::vector<const Glyph*>& glyphs);
Box union_of(const std::vector<const Glyph*>& glyphs);

// Every run of consecutive glyphs on `page` whose text, blanks left out, is `text`
// (blanks left out too); each run as its glyphs.
std::vector<std::vector<const Glyph*>> find_text(const PdfPage& page, const std::string& text);

}  // namespace vane::test
