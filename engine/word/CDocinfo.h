// The document information of one run: heading style names, where each page
// starts (character positions), each page's orientation and size, header and
// footer layout flags, title, author, subject, keywords and page count. Loaded
// once right after the document is opened; read by the outline and link passes
// and by the PDF's document information.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vane::word {
class Application;
class Document;
class PageSetup;
}  // namespace vane::word

namespace vane {

class CDocinfo {
public:
    CDocinfo();

    // Empties the page tables and names; pageCount and orientation 0, not loaded, no properties.
    void clear();
    // Fills everything from the open document. Returns pageCount, or -1 when
    // the page setup could not be read. Word-processor errors other than the
    // page setup's propagate as word::WordError.
    std::int32_t load(word::Application& application, word::Document& document);

    // Page size in points of 1-based `page`; std::invalid_argument outside 1..pageCount.
    float pageWidth(std::int32_t page) const;
    float pageHeight(std::int32_t page) const;
    // 0-based index of the page holding character `position`, searching from
    // the hint `startIndex` and wrapping around; -1 when none holds it.
    // std::invalid_argument when startIndex lies past the last page.
    std::int32_t pageIndexOf(std::int32_t startIndex, std::int32_t position) const;

    std::array<std::string, 6> headingStyles;     // local names of Heading 1..6; empty when not read
    std::vector<std::uint32_t> pageStarts;        // character position of each page's start
    std::vector<std::uint32_t> pageOrientations;  // 0 portrait, 1 landscape
    std::vector<std::uint32_t> pageWidths;        // hundredths of a point
    std::vector<std::uint32_t> pageHeights;       // hundredths of a point
    std::int32_t pageCount = 0;
    std::int32_t orientation = 0;  // document page setup; 1001 and above: mixed
    std::int32_t differentFirstPage = 0;
    std::int32_t oddAndEvenPages = 0;
    // The page height and width of the document's page setup, in points
    // (named apart from the per-page accessors above).
    float docPageHeight = 0;
    float docPageWidth = 0;
    bool loaded = false;
    std::string title;
    // Further document properties for the PDF's document information; empty
    // when the word processor has none of that name.
    std::string author;
    std::string subject;
    std::string keywords;

private:
    // Reads the page setup that `target` gives, once per document; false on failure.
    bool fetchPageSetup(const std::function<std::unique_ptr<word::PageSetup>()>& target);
};

}  // namespace vane
