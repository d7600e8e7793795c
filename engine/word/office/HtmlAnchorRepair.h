// The office's HTML export writes a bookmark's anchor when its walk over the
// bookmarks, kept in step with the paragraphs written, reaches the
// bookmark's paragraph. Once one bookmark lies where that walk never looks
// (seen after some tables), no anchor follows for the rest of the document,
// and every link past that point leads nowhere. The anchors that links of
// the exported file need and that it lacks are put back, first thing in the
// element that holds their bookmark's paragraph.
#pragma once

#include <map>
#include <optional>
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
    // export wrote into its text, by its text after that number.
    struct Place {
        std::string text;
        bool heading = false;
        int occurrence = 0;
        int anyOccurrence = 0;
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
    // Text as both sides are compared: every run of white space (no-break
    // spaces and line breaks included) one space, none at either end, soft
    // hyphens dropped.
    static std::string normalized(std::string_view text);
    // The text of an element's content: tags dropped (a <br> is a space),
    // character references decoded, normalised.
    static std::string elementText(std::string_view content);

private:
    // Where bookmark `name` lies; nothing for a name the document lacks or
    // one outside its main text.
    std::optional<Place> placeOf(const std::string& name);
    const std::string& paragraphText(int entry);

    DocumentSession& document_;
    std::vector<std::optional<std::string>> texts_;  // paragraph texts read so far (normalised)
};

}  // namespace vane
