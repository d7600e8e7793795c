// The PDF outline of one document: collected from the headings while the
// document is open in the word processor (or, when no heading qualifies, from
// its table of contents), nested, and written as outline marks into the mark
// file that the PDF producer reads before the printed document.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "pdf/CBookmark.h"

namespace vane::word {
class Application;
class Document;
class Paragraph;
class Range;
class Selection;
}  // namespace vane::word

namespace vane {

class CDocinfo;

class CBookmarkList {
public:
    // `docinfo` (loaded before extraction) gives page starts, heights and
    // orientations; it is not owned and must outlive the list.
    explicit CBookmarkList(CDocinfo* docinfo);
    CBookmarkList(const CBookmarkList&) = delete;
    CBookmarkList& operator=(const CBookmarkList&) = delete;
    ~CBookmarkList();

    // Deletes every entry; maxLevel back to 6, allHeadings off.
    void reset();
    // Walks the headings (built-in Heading 1..maxLevel; with allHeadings every
    // paragraph with an outline level down to maxLevel, titled with its list
    // number) and appends one entry each; falls back to the table of contents when none qualifies, then
    // nests the entries. Word-processor failures throw word::WordError.
    void extractFromHeadings(word::Document& document, word::Application& application);
    // Appends one entry per page reference of the first table of contents and
    // resolves each through its bookmark. Entries whose bookmark is gone or
    // whose style has no outline level stay with an empty value.
    void extractFromToc(word::Application& application, word::Document& document);
    // Computes depth and count of the entries that will be written.
    void adjustLevels();
    // Takes the title off every entry whose destination lies outside its page,
    // so that it is neither nested nor written; says so in verbose output.
    void dropOffPage();
    // Appends one outline mark per entry with a title to the file at `path`.
    // False when the file cannot be opened; an empty list leaves it untouched.
    bool writeOutline(const std::string& path) const;

    std::size_t size() const { return entries.size(); }
    // Entries that writeOutline writes (those with a title on a page of the document).
    std::size_t writableCount() const;

    CDocinfo* docinfo;
    std::vector<std::unique_ptr<CBookmark>> entries;
    std::int32_t maxLevel = 6;
    // Every paragraph with an outline level 1..9 is a heading, whatever its
    // style, and no top level is kept.
    bool allHeadings = false;

private:
    // One heading of the walk; `range` is where the go-to landed.
    void readHeading(word::Selection& selection, word::Range& range, std::int32_t& page,
                     std::int32_t& lastStart, std::int32_t& topLevel);
    // Moves the page cursor forward to the page holding `start`.
    void advancePage(std::int32_t& page, std::int32_t start) const;
    // Destination of the selection's start on `page`.
    std::int32_t destinationOf(word::Selection& selection, std::int32_t page) const;
    // The rules shared by both paths: the first level seen is the top level,
    // nothing above it and nothing deeper than maxLevel is kept.
    bool keepLevel(std::int32_t level, std::int32_t& topLevel) const;
    // The outline level of a heading of the walk; 0 when it is no heading.
    std::int32_t headingLevel(word::Paragraph& paragraph) const;
    bool isWritable(const CBookmark& entry) const;
    // An entry with a title on a page of the document whose destination lies
    // off that page; with `report`, says why in verbose output (`number` 1-based).
    bool isOffPage(const CBookmark& entry, std::size_t number, bool report) const;
    // Style name -> outline level (1..9) of every style of the document.
    static std::map<std::string, std::int32_t> styleLevels(word::Document& document);
    // Appends an unresolved entry for each "_Toc" page reference of the first table of contents.
    void collectTocReferences(word::Document& document);
};

}  // namespace vane
