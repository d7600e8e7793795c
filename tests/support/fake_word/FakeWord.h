// An in-memory word processor for tests: it answers every call of the
// automation surface (engine/word) from a document that the test writes down.
//
// Usage
// -----
//   #include "fake_word/FakeWord.h"
//   using namespace vane::word;   // codes: kGoToHeading, kFieldPageRef, ...
//
//   vane::test::FakeWord word;              // installs itself as word_backend() until destroyed
//   vane::test::FakeDocument& doc = word.document();   // what every Documents::open() gets
//                                          // (word.document("/path/x.doc") for one path only)
//   doc.section({.width = 842, .height = 595, .orientation = kLandscape});  // optional; default
//                                          // A4 portrait, 72 pt margins; pages use the latest section
//   doc.page();                             // page 1; lines written next lie on it
//   doc.paragraph("Heading 1").line("Introduction", 72);          // text, top (pt), left (pt, 72)
//   doc.paragraph().line("A paragraph that ", 100).line("wraps.", 114);  // one paragraph, two lines
//   doc.page();                             // a paragraph may go on across page() calls
//   doc.paragraph("Heading 2").line("\fDetails", 72);              // "\f", "\v", "\t" are characters
//   doc.main().font(10, 5);                 // font size / char advance of the lines that follow
//   doc.main().inTable();                   // current paragraph is in a table (information 12)
//   doc.main().indents(18, 0);              // left/right indent of the current paragraph
//
//   Positions count characters (UTF-8 text is stored as code points); every
//   paragraph ends with "\r". doc.find("Details") gives a position; the
//   horizontal position of character p on its line is left + (p - lineStart) * charWidth.
//
//   doc.bookmarkOn("Introduction", "_Toc1");           // or bookmark(name, start, end)
//   doc.toc({{.text = "Introduction", .page = 1, .bookmark = "_Toc1", .top = 100}, ...});
//                                          // TOC field, entries "text\tpage" (style "TOC n"), PAGEREF
//                                          // fields, and HYPERLINK fields + hyperlinks unless toc(.., false)
//   doc.field(kFieldPageRef, " PAGEREF _Toc1 \\h ", start, end);   // result range in the main text
//   doc.hyperlinkOn("wraps", "http://example.org");    // or hyperlink(address, subAddress, start, end)
//   doc.shape({.anchor = 5, .width = 100, .height = 40, .top = 10, .left = 20})   // a text box
//       .paragraph().line("In the box", 300, 100).hyperlinkOn("box", "mailto:a@b.c");
//       // FakeShape also has .type (17 text box), .relativeHorizontal/.relativeVertical
//       // (kRelative*), .hasText; left/top may be kShapeCenter etc.
//   doc.shapeHyperlink(1, "http://shape.org");         // link on the whole shape number 1
//   doc.footnote(2).paragraph().line("Note text", 780); // footnote laid out on page 2
//   doc.header(1, kHeaderFooterPrimary).paragraph().line("Head", 30).hyperlinkOn("Head", "http://h.org");
//   doc.sections()[0].setup.differentFirstPage = true; // page-setup flags live in the section
//   doc.style("My Heading", 2);                        // custom style with outline level 2
//   doc.renameHeadingStyle(1, "Titre 1"); doc.removeHeadingStyle(6);
//   doc.title = "Manual"; doc.html = "<html>...";  doc.postScript = "%!PS...";
//   doc.isProtected = true; doc.password = "";      // unprotect("") then succeeds once
//
// Behaviour
//   GoTo page/line/heading leaves the selection collapsed at the target's start;
//   past the last (or before the first) the last (first) is reached again; a
//   document without headings gives no range for headings; an unknown bookmark
//   throws. Headings are paragraphs whose style has an outline level 1..9.
//   Information: 3 = page of the selection's end (-1 outside pages), 5/6 =
//   horizontal/vertical position of the selection's start from its line, 12 =
//   -1 in a table, 0 otherwise. EndKey/EndOf(line) on a wrapped line stop at
//   the next line's start, shown at the end of this line. Move by line goes to
//   line starts. SaveAs(kFormatFilteredHtml) writes doc.html; PrintOut to a file
//   writes doc.postScript (or a small default with one page per page).
//   The document page setup reads kUndefined where sections differ. A document
//   nothing was written into opens as one page with one empty paragraph ("\r").
//   Document hyperlinks come in document order (a shape's link at its anchor).
//   Stories other than the main text take their page from onPage()/the page
//   given when they were made; their lines answer information like the main text.
//
// Fault injection and records
//   word.failCreate = true;                 // createApplication() throws WordError
//   word.noDocumentCollection = true;       // Application::documents() gives null
//   word.openReturnsNothing = true;         // Documents::open() gives null
//   word.onlyKnownPaths = true;             // open() throws for paths without word.document(path)
//   word.failOn("Document.SaveAs");         // that call throws WordError (what() = description);
//   word.failOn("Selection.GoTo", 3, "busy");   //   after 3 successful calls
//   word.failOn("Selection.GoTo -1 1");     // a whole logged entry: only bookmark go-tos fail
//   (createApplication itself logs "Backend.CreateApplication" and can be made to fail too)
//   word.printers = {"Folivane"};           // setActivePrinter to another name throws
//   word.called("Application.Quit"); word.called("Document.Close nosave");
//   word.callCount("Range.Text"); word.calls();   // the whole log, in order
//   word.activePrinter, word.visible, word.viewType, word.seekView, word.printedWith
//   After quit() every object of that application throws; so do the objects of a
//   closed document.
//   Logged entries (and failOn names) are "<Interface>.<Member>" with the member
//   capitalised as the word processor names it: "Range.Text", "Range.Start",
//   "Selection.Information", "PageSetup.Orientation", "Hyperlink.Address",
//   "Hyperlink.SubAddress", "Hyperlink.Type", "Shapes.Item", "Footnotes.Count",
//   "Document.Hyperlinks", "Document.AcceptAllRevisions", "Document.Unprotect",
//   "Document.Repaginate", "Styles.Item" ...; for these, arguments follow a blank:
//   "Application.Visible true|false", "Application.ActivePrinter <name>" (put),
//   "Documents.Open <path>", "Document.Close save|nosave", "Document.SaveAs <path> <format>",
//   "Document.PrintOut <file>", "View.Type <n>", "View.SeekView <n>",
//   "Selection.GoTo <what> <which>", "DocumentProperties.Value <name>".
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeDocument.h"
#include "word/WordBackend.h"

namespace vane::test {

class FakeWord : public word::WordBackend {
public:
    FakeWord();
    FakeWord(const FakeWord&) = delete;
    FakeWord& operator=(const FakeWord&) = delete;
    ~FakeWord() override;

    // The document opened for any path that has no document of its own.
    FakeDocument& document() { return defaultDocument_; }
    // The document opened for exactly `path`.
    FakeDocument& document(const std::string& path);

    std::unique_ptr<word::Application> createApplication() override;

    // --- switches ---
    bool failCreate = false;
    std::string createError = "cannot start the word processor";
    bool noDocumentCollection = false;
    bool openReturnsNothing = false;
    // Open fails for paths that have no document of their own (instead of the default one).
    bool onlyKnownPaths = false;
    // Makes the call `name` ("Object.Member") throw WordError(description)
    // after `skip` successful calls.
    void failOn(const std::string& name, int skip = 0, const std::string& description = "fake failure");
    std::vector<std::string> printers;  // when not empty, the only names setActivePrinter accepts
    std::string version = "16.0";

    // --- state the fake keeps ---
    std::string activePrinter = "Default Printer";
    bool visible = false;
    int viewType = 1;
    int seekView = 0;
    std::string printedWith;  // active printer at the last printOut
    std::string printedThrough;  // PrintOptions::pdfFileName of the last printOut
    int applicationsCreated = 0;

    // --- records ---
    const std::vector<std::string>& calls() const { return calls_; }
    // True when an entry equals `entry` or starts with `entry` and a blank.
    bool called(const std::string& entry) const;
    int callCount(const std::string& entry) const;
    void clearCalls() { calls_.clear(); }

    // Used by the fake objects: logs `entry` and throws when its call is made to fail.
    void enter(const std::string& entry);
    FakeDocument* documentFor(const std::string& path);

private:
    struct Failure {
        int skip;
        std::string description;
    };
    FakeDocument defaultDocument_;
    std::map<std::string, std::unique_ptr<FakeDocument>> byPath_;
    std::map<std::string, Failure> failures_;
    std::vector<std::string> calls_;
};

}  // namespace vane::test
