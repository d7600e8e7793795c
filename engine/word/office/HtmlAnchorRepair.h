// The office's HTML export writes a bookmark's anchor when its walk over the
// bookmarks, kept in step with the paragraphs written, reaches the
// bookmark's paragraph. Once one bookmark lies where that walk never looks
// (seen after some tables), no anchor follows for the rest of the document,
// and every link past that point leads nowhere. The anchors that links of
// the exported file need and that it lacks are put back, first thing in the
// element that holds their bookmark's paragraph (a bookmark on an empty
// paragraph, which the export writes as no element with text, at the next
// paragraph with text). A link to a bookmark the document does not have at
// all leads nowhere in the word processor either: it is left as plain text.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "word/office/DocumentSession.h"

namespace vane {

class HtmlAnchorRepair {
public:
    // Where a bookmark lies: the text of its paragraph (normalised) and
    // which of the paragraphs of its kind with that text it is, counting
    // from 0 in document order. Headings are <h1>..<h6> in the export, other
    // paragraphs (table cells included) <p>. A paragraph with an outline
    // level that the export writes as <p> is found by which of all the
    // paragraphs with that text it is; a heading whose list number the
    // export wrote into its text ("1.1", "Chapter 5."), by its text after
    // that number.
    struct Place {
        std::string text;
        bool heading = false;
        int occurrence = 0;
        int anyOccurrence = 0;
        // On an empty paragraph with no paragraph of text after it: the
        // anchor goes at the end of the body.
        bool atEnd = false;
    };

    explicit HtmlAnchorRepair(DocumentSession& document);

    // Puts the missing anchors into the exported file, in place; a file that
    // cannot be read or written stays as it was. The number of anchors added.
    int apply(const std::string& htmlPath);

    // The "#name" targets of the links of `html` that no anchor (name= or
    // id=) of it carries, each once, in the order first linked.
    static std::vector<std::string> missingTargets(std::string_view html);
    // `html` with an empty anchor of each name in `places` put right after
    // the opening tag of its element; a name whose element is not found is
    // left out (and counted in `*placed` only when put).
    static std::string insertAnchors(std::string_view html, const std::map<std::string, Place>& places,
                                     int* placed = nullptr);
    // `html` with each link to "#name" of a name in `names` made plain text:
    // its <a> tag and end tag dropped, its content kept (a link that is also
    // an anchor keeps its tag without the href). The links changed are added
    // to `*unlinked`.
    static std::string unlinkTargets(std::string_view html, const std::set<std::string>& names,
                                     int* unlinked = nullptr);
    // Text as both sides are compared: every run of white space (no-break
    // spaces and line breaks included) one space, none at either end, soft
    // hyphens and other control characters dropped.
    static std::string normalized(std::string_view text);
    // The text of an element's content: tags dropped (a <br> is a space),
    // character references decoded, normalised.
    static std::string elementText(std::string_view content);

private:
    // Where bookmark `name` lies; nothing for a name the document lacks (put
    // into absent_) or one outside its main text.
    std::optional<Place> placeOf(const std::string& name);
    const std::string& paragraphText(int entry);

    DocumentSession& document_;
    std::vector<std::optional<std::string>> texts_;  // paragraph texts read so far (normalised)
    std::set<std::string> absent_;                   // linked names no bookmark of the document has
};

}  // namespace vane
