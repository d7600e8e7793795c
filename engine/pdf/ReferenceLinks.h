// The links d2p adds with -r: reference fields (REF, PAGEREF, NOTEREF) that
// carry the hyperlink switch "\h" become links to their bookmark, over the
// field's shown result; each footnote and endnote reference mark links to its
// note, and the note's own number back to the mark.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pdf/CLinkList.h"

namespace vane::word {
class Document;
class Fields;
class Footnote;
class Footnotes;
class Range;
class Selection;
}  // namespace vane::word

namespace vane {

class CDocinfo;

class ReferenceLinks {
public:
    explicit ReferenceLinks(CLinkList& list);

    // The reference fields of the main text. Their bookmarks are resolved
    // later, with the other internal links.
    void fieldPass(word::Document& document, word::Selection& selection);
    // The same in text boxes, footnotes, endnotes, headers and footers; a
    // header's or footer's links are repeated over its pages. Each kind of
    // story stops at its first failure.
    void storyFieldPass(word::Document& document, word::Selection& selection);
    // Footnotes (endnotes = false) or endnotes: both directions, placed now.
    void notePass(word::Document& document, word::Selection& selection, bool endnotes);

    // The bookmark a reference field with "\h" leads to; empty for any other
    // field, a field without the switch, or a contents entry's bookmark
    // (the contents walk links those).
    static std::string hyperlinkTarget(const std::string& code);

private:
    // A page and a view position in PDF points.
    struct Place {
        std::int32_t page = 0;
        std::int32_t y = 0;
    };

    // Links for the reference fields of one collection; a header's or footer's
    // (layout given) go on every page it shows on.
    void linkFields(word::Fields& fields, word::Selection& selection,
                    const CLinkList::Placement* placement = nullptr,
                    const CLinkList::SectionLayout* layout = nullptr);
    void headerFooterFields(word::Document& document, word::Selection& selection);
    void noteLinks(word::Footnote& note, word::Selection& selection, const std::string& label);
    std::optional<Place> placeOf(word::Range& range, word::Selection& selection);
    void linkMark(word::Range& mark, word::Selection& selection, const Place& to, const std::string& label);
    void linkNumber(word::Range& text, word::Selection& selection, const Place& to, const std::string& label);
    // The right edge of the text column when the selected first character of
    // a note's text (its start at h, v) runs right to left; nothing otherwise.
    std::optional<float> rightToLeftEdge(word::Selection& selection, float h, float v, float pageWidth);

    CLinkList& list_;
    const CDocinfo& docinfo_;
    std::int32_t pageHint_ = 1;
};

}  // namespace vane
