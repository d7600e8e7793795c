// One parameter profile: a name and the ten publishing parameters.
#pragma once

#include <string>

namespace vane {

class CSetting {
public:
    // Upper bounds of the numeric fields (all start at 0).
    static constexpr int kHeadingLevelMax = 5;  // stored as level - 1
    static constexpr int kHeadingLevelPdfMax = 6;
    static constexpr int kIndexWidthMax = 1000;
    static constexpr int kSkipHeadingsMax = 1000;

    CSetting() = default;
    explicit CSetting(std::string name) : Name(std::move(name)) {}
    CSetting(const CSetting&) = default;
    CSetting& operator=(const CSetting&) = default;
    ~CSetting();

    // Copies the parameters of other, not its name.
    void CopyValues(const CSetting& other);
    // True when the parameters equal those of other (names are not compared).
    bool SameValues(const CSetting& other) const;

    std::string Name;
    int HeadingLevel = 5;       // HTML heading level minus 1, 0..5
    int HeadingLevelPdf = 5;    // PDF heading level, 0..6
    int IndexWidth = 200;       // HTML index frame width, 0..1000
    bool InternalLinks = true;  // PDF: keep internal links
    bool OpenBookmarks = true;  // PDF: open with the bookmark panel
    int SkipHeadings = 0;       // HTML: headings to skip, 0..1000
    bool UseHome = true;        // HTML: create a home page
    bool AllHeadingsHtml = false;  // HTML: every outline level starts a page (-a)
    bool AllHeadingsPdf = false;   // PDF: outline from every outline level (-a)
    bool CrossReferences = false;  // PDF: cross-references and note marks link (-r)
};

}  // namespace vane
