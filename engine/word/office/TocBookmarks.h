// Names of table-of-contents bookmarks as the word processor's page
// references give them ("_Toc..."). The office's import may point an entry at
// a hidden bookmark of its own ("__RefHeading___Toc...") or lose the target;
// the "_Toc" bookmark on the heading the entry leads to (or names) is found
// again instead.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "word/office/DocumentSession.h"

namespace vane {

class TocBookmarks {
public:
    explicit TocBookmarks(DocumentSession& document);

    // The "_Toc" name for an entry linking to `target` (may be empty) whose
    // text is `title`; empty when none is found.
    std::string nameFor(const std::string& target, const std::string& title);
    // Entries whose name had to be found again / could not be found.
    int recovered = 0;
    int lost = 0;

private:
    std::string tocOfParagraph(int paragraph) const;

    DocumentSession& document_;
    std::map<std::string, int> paragraphOf_;      // every bookmark: its paragraph
    std::multimap<int, std::string> tocByParagraph_;  // "_Toc" bookmarks by paragraph
    std::vector<std::pair<std::string, int>> headings_;  // title, paragraph (read on first use)
    bool headingsRead_ = false;
};

// Whether a bookmark name is one of a table of contents ("_Toc", any case).
bool is_toc_name(const std::string& name);

}  // namespace vane
