// The content of a fake document, written by a test: sections with their page
// setup and headers/footers, pages, the main story, styles, fields, bookmarks,
// shapes, footnotes, properties, and the files that saving and printing write.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FakeStory.h"

namespace vane::test {

struct FakePageSetup {
    float width = 595;
    float height = 842;
    int orientation = 0;
    float topMargin = 72;
    float bottomMargin = 72;
    float leftMargin = 72;
    float rightMargin = 72;
    bool differentFirstPage = false;
    bool oddAndEven = false;
};

struct FakeStyle {
    std::string name;
    bool builtIn = false;
    int outlineLevel = 10;  // 1..9 headings, 10 body text
    int builtInIndex = 0;   // -2..-7 for Heading 1..6, 0 otherwise
    bool hasParagraphFormat = true;
};

struct FakeField {
    int type = 0;
    std::string code;
    int start = 0;  // the shown result in the main story
    int end = 0;
};

struct FakeTocEntry {
    std::string text;
    int level = 1;
    int page = 1;
    std::string bookmark;  // "_Toc..." name the entry refers to
    float top = 72;
};

struct FakeShape {
    int type = 17;
    int anchor = 0;  // main-story position of the anchor
    float width = 100;
    float height = 50;
    float top = 0;
    float left = 0;
    int relativeHorizontal = 0;
    int relativeVertical = 0;
    bool hasText = true;
    std::unique_ptr<FakeStory> story = nullptr;  // made by FakeDocument::shape
};

struct FakeSection {
    FakePageSetup setup;
    // key: {header? 1 : 0, index 1..3}
    std::map<std::pair<int, int>, std::unique_ptr<FakeStory>> headerFooters;
};

class FakeDocument {
public:
    FakeDocument();

    // --- layout ---
    // Starts a section; the pages that follow use its page setup.
    FakeDocument& section(const FakePageSetup& setup = {});
    // Starts a page in the current section (one default section is made if none).
    FakeDocument& page();
    int pageCount() const { return static_cast<int>(pageSections_.size()); }
    // 1-based section of a 1-based page.
    int sectionOfPage(int page) const;

    // --- main text (shortcuts to main()) ---
    FakeDocument& paragraph(const std::string& style = "Normal");
    FakeDocument& line(const std::string& text, float top, float left = 72);
    FakeStory& main() { return *main_; }
    const FakeStory& main() const { return *main_; }
    int find(const std::string& text, int from = 0) const { return main_->find(text, from); }

    // --- styles --- (Normal and the built-in Heading 1..6 exist from the start)
    FakeDocument& style(const std::string& name, int outlineLevel, bool builtIn = false);
    FakeDocument& renameHeadingStyle(int level, const std::string& localName);
    FakeDocument& removeHeadingStyle(int level);
    // Styles whose paragraph format cannot be read (character styles).
    FakeDocument& characterStyle(const std::string& name);
    const FakeStyle* findStyle(const std::string& name) const;
    const std::vector<FakeStyle>& styles() const { return styles_; }
    // The paragraph's own outline level, else its style's (10: body text).
    int outlineLevelOf(const FakeParagraph& paragraph) const;

    // --- structure of the main text ---
    FakeDocument& bookmark(const std::string& name, int start, int end);
    // A bookmark on the first occurrence of `text`.
    FakeDocument& bookmarkOn(const std::string& text, const std::string& name);
    FakeDocument& field(int type, const std::string& code, int start, int end);
    // A field in another story (a footnote, header, footer, text box): its characters [start, end).
    FakeDocument& storyField(const FakeStory& story, int type, const std::string& code, int start, int end);
    FakeDocument& hyperlink(const std::string& address, const std::string& subAddress, int start, int end);
    FakeDocument& hyperlinkOn(const std::string& text, const std::string& address,
                              const std::string& subAddress = {});
    // A table of contents as the word processor builds it, on the current page:
    // a TOC field over the entries; each entry a paragraph of style "TOC <level>"
    // reading "text\tpage" on one line at `top`, whose page number is a PAGEREF
    // field to its bookmark; with `hyperlinks` each entry is also inside a
    // HYPERLINK field and is a hyperlink to the bookmark (sub-address).
    FakeDocument& toc(const std::vector<FakeTocEntry>& entries, bool hyperlinks = true, float left = 72);
    // A shape (default: a text box); its text story is returned for writing
    // (its lines go on `page`). Shapes are numbered from 1 in creation order.
    FakeStory& shape(const FakeShape& shape, int page = 1);
    // A hyperlink on the whole shape number `shapeIndex`.
    FakeDocument& shapeHyperlink(int shapeIndex, const std::string& address,
                                 const std::string& subAddress = {});
    // A footnote whose text is laid out on `page`.
    FakeStory& footnote(int page);
    // An endnote whose text is laid out on `page`.
    FakeStory& endnote(int page);
    // The reference mark of a footnote or endnote: main-story characters [start, end).
    FakeDocument& noteReference(const FakeStory& note, int start, int end);
    // Header (header = true) or footer `index` (1 primary, 2 first page, 3
    // even pages) of 1-based `section`, laid out on `page` (0: the section's first page).
    FakeStory& header(int section, int index, int page = 0);
    FakeStory& footer(int section, int index, int page = 0);
    FakeStory& headerFooter(int section, bool header, int index, int page = 0);

    // --- properties and output ---
    std::string title;
    std::string author;
    std::string subject;
    std::string keywords;
    std::string html = "<html><body></body></html>\r\n";  // written by saveAs(filtered HTML)
    std::string postScript;                               // written by printOut; empty: a small default
    // Written by printOut to PrintOptions::pdfFileName when both are set (a
    // backend that prints through a PDF).
    std::string printedPdf;
    bool isProtected = false;
    std::string password;
    bool hasRevisions = false;  // cleared by acceptAllRevisions

    // Gives a document nothing was written into what the word processor shows
    // for an empty file: one page holding one empty paragraph.
    void completeEmpty();

    // --- read by the fake objects ---
    const std::vector<FakeSection>& sections() const { return sections_; }
    std::vector<FakeSection>& sections() { return sections_; }
    const std::map<std::string, std::pair<int, int>>& bookmarks() const { return bookmarks_; }
    // Fields sorted by position.
    std::vector<FakeField> fields() const;
    // The fields of a story (the main story's as fields()), sorted by position.
    std::vector<FakeField> fieldsOf(const FakeStory* story) const;
    std::vector<FakeShape>& shapes() { return shapes_; }
    std::vector<std::unique_ptr<FakeStory>>& footnotes() { return footnotes_; }
    std::vector<std::unique_ptr<FakeStory>>& endnotes() { return endnotes_; }
    // The reference mark of a note; null when none was given.
    const std::pair<int, int>* noteReferenceOf(const FakeStory* note) const;
    const FakeSection& sectionAt(int index) const { return sections_[static_cast<size_t>(index - 1)]; }
    // Page setup of a 1-based page.
    const FakePageSetup& setupOfPage(int page) const;
    // Main-story position where 1-based `page` starts.
    int pageStart(int page) const;

private:
    std::unique_ptr<FakeStory> main_;
    std::vector<FakeSection> sections_;
    std::vector<int> pageSections_;  // 1-based section of each page
    std::vector<FakeStyle> styles_;
    std::map<std::string, std::pair<int, int>> bookmarks_;
    std::vector<FakeField> fields_;
    std::vector<FakeShape> shapes_;
    std::vector<std::unique_ptr<FakeStory>> footnotes_;
    std::vector<std::unique_ptr<FakeStory>> endnotes_;
    std::map<const FakeStory*, std::pair<int, int>> noteReferences_;
    std::map<const FakeStory*, std::vector<FakeField>> storyFields_;
};

}  // namespace vane::test
