// The office's HTML export points the entries of a table of contents at its
// own hidden names for the headings' bookmarks ("__RefHeading___Toc..."),
// and writes an anchor for few of them. The entries are pointed at the
// document's own "_Toc" names instead (the same names the PDF route finds),
// and the hidden anchors that nothing links to any more are taken out.
#pragma once

#include <map>
#include <string>

#include "word/office/DocumentSession.h"

namespace vane {

class HtmlTocTargets {
public:
    // Reads the entries of every table of contents; a heading without a
    // "_Toc" bookmark may be given one. Reads nothing when it fails.
    explicit HtmlTocTargets(DocumentSession& document);

    // Rewrites the exported HTML file in place; a file that cannot be read or
    // written stays as the export left it.
    void apply(const std::string& htmlPath) const;

    // The HTML text with the links to the hidden names in `names` pointed at
    // their document names, and the hidden-name anchors left without a link
    // removed.
    static std::string rewrite(const std::string& html, const std::map<std::string, std::string>& names);

    const std::map<std::string, std::string>& names() const { return names_; }

private:
    std::map<std::string, std::string> names_;  // hidden name -> the document's name
};

}  // namespace vane
