#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "OpenFakeDocument.h"
#include "TempDir.h"
#include "frame/LibraryState.h"
#include "frame/MessageIds.h"
#include "pdf/CLinkList.h"

namespace vane {
namespace {

using test::FakeTocEntry;
using namespace vane::word;

// type, page, top, bottom, left, right, dest
using Seen = std::tuple<LinkType, int, int, int, int, int, std::string>;

class LinkListTest : public ::testing::Test, protected test::OpenFakeDocument {
protected:
    std::vector<Seen> seen() const {
        std::vector<Seen> out;
        for (const auto& l : list.links) {
            out.emplace_back(l->type, l->page, l->top, l->bottom, l->left, l->right, l->dest);
        }
        return out;
    }
    // Source pages of the links leading to `dest`, in list order.
    std::vector<int> pagesOf(const std::string& dest) const {
        std::vector<int> pages;
        for (const auto& l : list.links) {
            if (l->dest == dest) pages.push_back(l->page);
        }
        return pages;
    }
    std::vector<std::string> dests() const {
        std::vector<std::string> out;
        for (const auto& l : list.links) out.push_back(l->dest);
        return out;
    }
    void extractAll() {
        list.extractTocLinks(*application, *document);
        list.extractOtherLinks(*document, *application);
    }
    // Headings on pages 2 and 3 with the bookmarks a table of contents points to.
    void headingPages() {
        doc().page().paragraph("Heading 1").line("Introduction", 372);
        doc().bookmark("_Toc1", doc().find("Introduction", doc().pageStart(2)), doc().main().length() - 1);
        doc().paragraph("Heading 2").line("Details", 500);
        doc().bookmark("_Toc2", doc().find("Details", doc().pageStart(2)), doc().main().length() - 1);
        doc().page().paragraph("Heading 1").line("Summary", 72);
        doc().bookmark("_Toc3", doc().find("Summary", doc().pageStart(3)), doc().main().length() - 1);
    }

    CLinkList list{info};
};

const std::vector<FakeTocEntry> kContents = {
    {.text = "Introduction", .page = 2, .bookmark = "_Toc1", .top = 100},
    {.text = "Details", .page = 2, .bookmark = "_Toc2", .top = 114},
    {.text = "Summary", .page = 3, .bookmark = "_Toc3", .top = 128},
};

TEST_F(LinkListTest, TocEntriesGiveOneLinkPerLineWithOrWithoutHyperlinks) {
    for (bool hyperlinks : {true, false}) {
        SCOPED_TRACE(hyperlinks ? "with hyperlinks" : "without hyperlinks");
        word.document() = {};
        list.clear();
        doc().page().paragraph().line("Contents", 72);
        doc().toc(kContents, hyperlinks);
        headingPages();
        open();
        list.extractTocLinks(*application, *document);
        // Entries after the first: the whole line "text\tpage" (72 + 9*6 - 0.5 = 125).
        const std::vector<Seen> later = {
            {LinkType::Toc, 1, 728, 716, 71, 125, "_Toc2"},
            {LinkType::Toc, 1, 714, 702, 71, 125, "_Toc3"},
        };
        auto links = seen();
        ASSERT_GE(links.size(), 2u);
        EXPECT_EQ(std::vector<Seen>(links.end() - 2, links.end()), later);
    }
}

TEST_F(LinkListTest, FirstTocEntryWithHyperlinksIsStretchedToItsLineEnd) {
    doc().page().paragraph().line("Contents", 72);
    doc().toc(kContents, true);
    headingPages();
    open();
    list.extractTocLinks(*application, *document);
    ASSERT_EQ(list.links.size(), 3u);
    // The page-number field's selection runs on to the paragraph's end, not
    // past its mark: the rectangle ends at the line end (72 + 14*6 - 0.5).
    EXPECT_EQ(seen()[0], (Seen{LinkType::Toc, 1, 742, 730, 149, 155, "_Toc1"}));
}

TEST_F(LinkListTest, ReferenceFieldsNameTheirBookmark) {
    struct Case {
        const char* name;
        int type;
        std::string code;
        std::vector<std::string> expected;  // the link's dest, or none
    } cases[] = {
        {"page reference with \\h", kFieldPageRef, " PAGEREF _Toc1 \\h ", {"_Toc1"}},
        {"reference, lower-case _toc", kFieldRef, " REF _toc2 \\h ", {"_toc2"}},
        {"note reference with \\H", kFieldNoteRef, " NOTEREF _Toc4 \\H ", {"_Toc4"}},
        {"no \\h keeps the blank after the name", kFieldPageRef, " PAGEREF _Toc3 ", {"_Toc3 "}},
        {"bookmark that is no heading's", kFieldRef, " REF Chapter \\h ", {}},
        {"hyperlink field", kFieldHyperlink, " HYPERLINK \\l \"_Toc5\" ", {}},
        {"no REF in the code", kFieldPageRef, " PAGE ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        doc().page().paragraph().line("Entry\t7", 200);
        const int end = doc().find("\t7") + 2;
        doc().field(c.type, c.code, end - 1, end);
        open();
        list.extractTocLinks(*application, *document);
        EXPECT_EQ(dests(), c.expected);
        if (!c.expected.empty()) {
            // Not inside a table of contents: the start moves back to the paragraph start.
            EXPECT_EQ(seen()[0], (Seen{LinkType::Toc, 1, 642, 630, 71, 113, c.expected[0]}));
        }
    }
}

TEST_F(LinkListTest, FirstTocFontSizeIsEveryEntrysLineHeight) {
    doc().page();
    doc().main().font(10);
    doc().paragraph("TOC 1").line("One\t2", 100);
    doc().main().font(12);
    doc().paragraph("TOC 1").line("Two\t3", 114);
    const int one = doc().find("\t2") + 1;
    const int two = doc().find("\t3") + 1;
    doc().field(kFieldPageRef, " PAGEREF _Toc1 \\h ", one, one + 1);
    doc().field(kFieldPageRef, " PAGEREF _Toc2 \\h ", two, two + 1);
    open();
    list.extractTocLinks(*application, *document);
    ASSERT_EQ(list.links.size(), 2u);
    EXPECT_EQ(list.links[0]->top - list.links[0]->bottom, 10);  // 742.5 - 10.5 = 732
    EXPECT_EQ(list.links[1]->bottom, 718);                      // 728.5 - 10.5, not 716
}

TEST_F(LinkListTest, EmptyDocumentHasNoLinksAndSaysSoInVerboseMode) {
    state().verbose = true;
    open();
    list.extractTocLinks(*application, *document);
    list.extractOtherLinks(*document, *application);
    EXPECT_TRUE(list.links.empty());
    EXPECT_TRUE(host.printed(202));
    state().verbose = false;
}

TEST_F(LinkListTest, BodyHyperlinksByKindOfAddress) {
    doc().page();
    doc().paragraph().line("Visit the Site now", 100);
    doc().hyperlinkOn("Site", "http://Example.org/Page");
    doc().paragraph().line("see below", 114).hyperlinkOn("see below", "", "Target");
    doc().paragraph().line("toc entry", 128).hyperlinkOn("toc entry", "", "_TOC9");
    doc().paragraph().line("bare host", 142).hyperlinkOn("bare host", "www.example.org");
    doc().paragraph().line("relative file", 156).hyperlinkOn("relative file", "docs/readme.txt");
    doc().paragraph().line("other scheme", 170).hyperlinkOn("other scheme", "telnet://host");
    doc().paragraph().line("mail me", 184).hyperlinkOn("mail me", "MAILTO:Me@Example.org");
    doc().paragraph().line("Target", 300);
    doc().bookmarkOn("Target", "Target");
    open();
    state().verbose = true;
    list.extractOtherLinks(*document, *application);
    state().verbose = false;
    EXPECT_EQ(seen(), (std::vector<Seen>{
                          {LinkType::Url, 1, 742, 730, 131, 155, "http://Example.org/Page"},
                          {LinkType::Internal, 1, 728, 716, 71, 125, "Target"},
                          {LinkType::Url, 1, 658, 646, 71, 113, "MAILTO:Me@Example.org"},
                      }));
    EXPECT_NE(host.output().find("Link 1: Type=Url Page=1 Y=742 X=131 Dest=http://Example.org/Page"),
              std::string::npos);
    EXPECT_NE(host.output().find("Link 2: Type=Internal Page=1 Y=728 X=71 Dest=Target"), std::string::npos);
}

TEST_F(LinkListTest, WrappedHyperlinkGivesTwoLinksWithOneDestination) {
    doc().page();
    doc().paragraph().line("Read the manual ", 100).line("online today.", 114);
    doc().hyperlinkOn("manual online", "http://example.org/manual");
    open();
    list.extractOtherLinks(*document, *application);
    EXPECT_EQ(seen(), (std::vector<Seen>{
                          {LinkType::Url, 1, 742, 730, 125, 167, "http://example.org/manual"},
                          {LinkType::Url, 1, 728, 716, 71, 107, "http://example.org/manual"},
                      }));
}

TEST_F(LinkListTest, TextBoxFootnoteAndShapeLinks) {
    doc().page().paragraph().line("Anchor here", 100);
    doc().page().paragraph().line("Second page", 72);
    doc()
        .shape({.anchor = 0,
                .width = 100,
                .height = 50,
                .top = 28,
                .left = kShapeCenter,
                .relativeHorizontal = kRelativePage,
                .relativeVertical = kRelativeMargin})
        .paragraph()
        .line("Write to Us", 300)
        .hyperlinkOn("Us", "Mailto:Someone@Example.org");
    doc().shape({.type = 1,
                 .anchor = 0,
                 .width = 100,
                 .height = 50,
                 .top = 28,
                 .left = kShapeCenter,
                 .relativeHorizontal = kRelativePage,
                 .relativeVertical = kRelativeMargin});
    doc().shapeHyperlink(2, "http://picture.org");
    doc()
        .footnote(2)
        .paragraph()
        .line("See HTTP://Notes.org", 780)
        .hyperlinkOn("HTTP://Notes.org", "HTTP://Notes.org");
    open();
    list.extractOtherLinks(*document, *application);
    EXPECT_EQ(seen(), (std::vector<Seen>{
                          // the picture's link (body), placed as the centred shape
                          {LinkType::Url, 1, 742, 691, 247, 348, "http://picture.org"},
                          // the text box: address lower-cased
                          {LinkType::Url, 1, 542, 530, 125, 137, "mailto:someone@example.org"},
                          // the footnote: page from the word processor's page of the link
                          {LinkType::Url, 2, 62, 50, 95, 191, "http://notes.org"},
                      }));
}

// A footnote link takes the page of its end, and only a page of the document:
// a page the document information does not know would have no size to place it on.
TEST_F(LinkListTest, FootnoteLinksOnlyOnPagesOfTheDocument) {
    struct Case {
        const char* name;
        int firstPage;   // page of the footnote's first line
        int secondPage;  // page of its second line, where the link ends
        std::vector<int> pages;
    } const cases[] = {
        {"both lines on the last page", 2, 2, {2, 2}},
        {"running on to the last page: both lines take its page", 1, 2, {2, 2}},
        {"running on past the last page", 2, 3, {}},
        {"running on to no page", 2, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        doc().page().paragraph().line("First page", 72);
        doc().page().paragraph().line("Last page", 72);
        doc()
            .footnote(c.firstPage)
            .paragraph()
            .line("See the notes ", 770)
            .onPage(c.secondPage)
            .line("online today.", 784)
            .hyperlinkOn("notes online", "http://notes.org");
        open();
        EXPECT_NO_THROW(list.extractOtherLinks(*document, *application));
        EXPECT_EQ(pagesOf("http://notes.org"), c.pages);
    }
}

TEST_F(LinkListTest, HeaderAndFooterLinksAreRepeatedOverTheirPages) {
    struct Case {
        const char* name;
        bool firstPage;
        bool oddEven;
        std::map<std::string, std::vector<int>> pages;
        std::vector<std::string> order;  // the first section's visits
    } cases[] = {
        {"one header for all pages",
         false,
         false,
         {{"http://primary.org", {1, 2, 3, 4, 5}}, {"http://foot.org", {1, 2, 3, 4, 5}}},
         {"http://primary.org", "http://foot.org"}},
        {"different first page",
         true,
         false,
         {{"http://primary.org", {2, 3, 4, 5}}, {"http://first.org", {1}}, {"http://foot.org", {2, 3, 4, 5}}},
         {"http://first.org", "http://primary.org", "http://foot.org"}},
        {"odd and even pages",
         false,
         true,
         {{"http://primary.org", {1, 3, 5}}, {"http://even.org", {2, 4}}, {"http://foot.org", {1, 3, 5}}},
         {"http://even.org", "http://primary.org", "http://foot.org"}},
        {"both",
         true,
         true,
         {{"http://primary.org", {3, 5}},
          {"http://first.org", {1}},
          {"http://even.org", {2, 4}},
          {"http://foot.org", {3, 5}}},
         {"http://first.org", "http://even.org", "http://primary.org", "http://foot.org"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        for (int p = 1; p <= 5; ++p) doc().page().paragraph().line("Page " + std::to_string(p), 72);
        doc().sections()[0].setup.differentFirstPage = c.firstPage;
        doc().sections()[0].setup.oddAndEven = c.oddEven;
        doc()
            .header(1, kHeaderFooterPrimary)
            .paragraph()
            .line("Home", 30)
            .hyperlinkOn("Home", "http://Primary.org");
        doc()
            .header(1, kHeaderFooterFirstPage)
            .paragraph()
            .line("First", 30)
            .hyperlinkOn("First", "http://first.org");
        doc()
            .header(1, kHeaderFooterEvenPages)
            .paragraph()
            .line("Even", 30)
            .hyperlinkOn("Even", "http://even.org");
        doc()
            .footer(1, kHeaderFooterPrimary)
            .paragraph()
            .line("Foot", 800)
            .hyperlinkOn("Foot", "http://foot.org");
        open();
        list.extractOtherLinks(*document, *application);
        std::map<std::string, std::vector<int>> pages;
        std::vector<std::string> order;
        for (const auto& l : list.links) {
            pages[l->dest].push_back(l->page);
            if (order.empty() || order.back() != l->dest) order.push_back(l->dest);
        }
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(order, c.order);
        // The measured rectangle goes unchanged to every page: headers at 30, the footer at 800.
        for (const auto& l : list.links) EXPECT_EQ(l->top, l->dest == "http://foot.org" ? 42 : 812);
        EXPECT_EQ(word.seekView, kSeekMainDocument);
        EXPECT_EQ(word.viewType, kViewPrintLayout);
    }
}

TEST_F(LinkListTest, SameHeaderLinkInTwoSectionsAppearsTwiceOnEachPage) {
    doc().section().page().paragraph().line("Part one", 72);
    doc().section().page().paragraph().line("Part two", 72);
    doc().header(1, kHeaderFooterPrimary).paragraph().line("Site", 30).hyperlinkOn("Site", "http://site.org");
    doc().header(2, kHeaderFooterPrimary).paragraph().line("Site", 30).hyperlinkOn("Site", "http://site.org");
    open();
    list.extractOtherLinks(*document, *application);
    EXPECT_EQ(pagesOf("http://site.org"), (std::vector<int>{1, 2, 1, 2}));
}

// A landscape section's header link stays on landscape pages, and the portrait
// header's link on portrait pages: the rectangles were measured there.
TEST_F(LinkListTest, SectionHeaderLinksStayOnPagesOfTheirOrientation) {
    doc().section().page().paragraph().line("Tall one", 72);
    doc()
        .section({.width = 842, .height = 595, .orientation = kLandscape})
        .page()
        .paragraph()
        .line("Wide", 72);
    doc().page().paragraph().line("Wide again", 72);
    doc().section().page().paragraph().line("Tall two", 72);
    doc().header(1, kHeaderFooterPrimary).paragraph().line("Tall", 30).hyperlinkOn("Tall", "http://tall.org");
    doc().header(2, kHeaderFooterPrimary).paragraph().line("Wide", 30).hyperlinkOn("Wide", "http://wide.org");
    doc().header(3, kHeaderFooterPrimary).paragraph().line("Tall", 30).hyperlinkOn("Tall", "http://tall.org");
    open();
    list.extractOtherLinks(*document, *application);
    EXPECT_EQ(pagesOf("http://wide.org"), (std::vector<int>{2, 3}));
    EXPECT_EQ(pagesOf("http://tall.org"), (std::vector<int>{1, 4, 1, 4}));
}

TEST_F(LinkListTest, SectionHeaderLinksStayOnPagesOfTheirSize) {
    doc().section({.width = 612, .height = 792}).page().paragraph().line("Letter", 72);
    doc().section({.width = 595, .height = 842}).page().paragraph().line("A4", 72);
    doc().page().paragraph().line("A4 again", 72);
    doc().section({.width = 612, .height = 792}).page().paragraph().line("Letter two", 72);
    doc()
        .header(1, kHeaderFooterPrimary)
        .paragraph()
        .line("Letter", 30)
        .hyperlinkOn("Letter", "http://l.org");
    doc().header(2, kHeaderFooterPrimary).paragraph().line("A4", 30).hyperlinkOn("A4", "http://a4.org");
    doc()
        .header(3, kHeaderFooterPrimary)
        .paragraph()
        .line("Letter", 30)
        .hyperlinkOn("Letter", "http://l.org");
    open();
    list.extractOtherLinks(*document, *application);
    EXPECT_EQ(pagesOf("http://a4.org"), (std::vector<int>{2, 3}));
    EXPECT_EQ(pagesOf("http://l.org"), (std::vector<int>{1, 4, 1, 4}));
}

// A document with a link in every place the other-links passes look.
class GuardTest : public LinkListTest {
protected:
    void everyPlace() {
        doc().page().paragraph().line("Body link", 100).hyperlinkOn("Body", "http://body.org");
        doc().paragraph().line("Jump", 114).hyperlinkOn("Jump", "", "Target");
        doc().paragraph().line("Target", 400);
        doc().bookmarkOn("Target", "Target");
        doc().shape({.anchor = 0,
                     .width = 100,
                     .height = 50,
                     .top = 28,
                     .left = kShapeCenter,
                     .relativeHorizontal = kRelativePage,
                     .relativeVertical = kRelativeMargin});
        doc().shapeHyperlink(1, "http://picture.org");
        doc()
            .shape({.anchor = 0, .width = 100, .height = 50})
            .paragraph()
            .line("Box", 300)
            .hyperlinkOn("Box", "http://box.org");
        doc().footnote(1).paragraph().line("Note", 780).hyperlinkOn("Note", "http://note.org");
        doc()
            .header(1, kHeaderFooterPrimary)
            .paragraph()
            .line("Head", 30)
            .hyperlinkOn("Head", "http://head.org");
        open();
    }
};

TEST_F(GuardTest, FailuresInTextBoxesFootnotesAndHeadersEndOnlyTheirPass) {
    struct Case {
        const char* name;
        const char* failing;
        std::vector<std::string> expected;
        int seekView;
        bool stopped;  // a pass ended early and says so in verbose mode
    } cases[] = {
        {"nothing fails",
         "",
         {"http://body.org", "http://picture.org", "Target", "http://box.org", "http://note.org",
          "http://head.org"},
         kSeekMainDocument, false},
        {"a text box cannot be read",
         "Shapes.Item",
         {"http://body.org", "http://picture.org", "Target", "http://note.org", "http://head.org"},
         kSeekMainDocument, true},
        {"footnotes cannot be counted",
         "Footnotes.Count",
         {"http://body.org", "http://picture.org", "Target", "http://box.org", "http://head.org"},
         kSeekMainDocument, true},
        {"a header cannot be read: the view stays in the headers",
         "HeadersFooters.Item",
         {"http://body.org", "http://picture.org", "Target", "http://box.org", "http://note.org"},
         kSeekPrimaryHeader, true},
        {"addresses cannot be read: only the internal link is left",
         "Hyperlink.Address",
         {"Target"},
         kSeekMainDocument, false},
        {"link texts cannot be reached: the body's shape link stays, the other passes end",
         "Hyperlink.Range",
         {"http://picture.org"},
         kSeekPrimaryHeader, true},
        {"the kind cannot be read: nothing", "Hyperlink.Type", {}, kSeekMainDocument, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        everyPlace();
        if (*c.failing != '\0') word.failOn(c.failing);
        host.clear();
        state().verbose = true;
        EXPECT_NO_THROW(list.extractOtherLinks(*document, *application));
        state().verbose = false;
        EXPECT_EQ(dests(), c.expected);
        const std::string stopped = host.text(msg::kLinkPartStopped);
        EXPECT_EQ(host.output().find(stopped.substr(0, stopped.find('%'))) != std::string::npos, c.stopped);
        EXPECT_EQ(word.seekView, c.seekView);
        if (*c.failing != '\0') word.failOn(c.failing, 1000000);  // lift the failure for the next case
        word.seekView = kSeekMainDocument;
    }
}

TEST_F(GuardTest, BodyCollectionAndTocFailuresPropagate) {
    everyPlace();
    word.failOn("Document.Hyperlinks");
    EXPECT_THROW(list.extractOtherLinks(*document, *application), WordError);
    doc().toc(kContents);
    word.failOn("Field.Select");
    EXPECT_THROW(list.extractTocLinks(*application, *document), WordError);
}

class DestinationTest : public LinkListTest {
protected:
    void addLink(LinkType type, const std::string& dest) {
        auto link = std::make_unique<CLink>(1, type, CRegion(1, 742, 730, 72, 149));
        link->dest = dest;
        list.links.push_back(std::move(link));
    }
};

TEST_F(DestinationTest, BookmarksGivePageAndViewPosition) {
    doc().page().paragraph().line("Start", 72);
    doc().page().paragraph().line("Hundred", 100).paragraph().line("Three hundred", 300);
    doc().section({.width = 842, .height = 595, .orientation = kLandscape}).page();
    doc().paragraph().line("Wide", 300);
    doc().bookmarkOn("Hundred", "B100").bookmarkOn("Three hundred", "B300").bookmarkOn("Wide", "BWide");
    open();
    addLink(LinkType::Toc, "B300");
    addLink(LinkType::Internal, "B100");
    addLink(LinkType::Internal, "Missing");
    addLink(LinkType::Url, "B100");
    addLink(LinkType::Internal, "BWide");
    addLink(LinkType::Internal, "B300");
    addLink(LinkType::Internal, "");
    list.resolveDestinations(*application);
    struct Expected {
        int destPage;
        int destY;
    };
    const Expected expected[] = {
        {2, 550},  // 842 - (300 - 8.42) + 0.5
        {2, 750},  // 842 - (100 - 8.42) + 0.5
        {0, 0},    // no such bookmark
        {0, 0},    // web links are not resolved
        {3, 301},  // height of its own page (3, landscape, 595): 595 - (300 - 5.95) + 0.5
        {2, 550},  // back on portrait page 2: 842 - (300 - 8.42) + 0.5, not the landscape height
        {0, 0},    // no destination
    };
    for (size_t i = 0; i < list.links.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.links[i]->destPage, expected[i].destPage);
        EXPECT_EQ(list.links[i]->destY, expected[i].destY);
    }
}

TEST_F(DestinationTest, DestinationOnNoPageKeepsThePreviousHint) {
    doc().page().paragraph().line("Early text", 72);
    doc().section({.width = 842, .height = 595, .orientation = kLandscape}).page();
    doc().paragraph().line("Wide", 300);
    doc().bookmark("Early", 0, 5).bookmarkOn("Wide", "BWide");
    open();
    // Page 1 is taken to start after "Early": no page holds the bookmark.
    info.pageStarts[0] = 6;
    addLink(LinkType::Internal, "BWide");
    addLink(LinkType::Internal, "Early");
    addLink(LinkType::Internal, "BWide");
    list.resolveDestinations(*application);
    EXPECT_EQ(list.links[1]->destPage, 0);
    // The third measures with its own page's height: 595 - 294.05 + 0.5.
    EXPECT_EQ(list.links[2]->destPage, 2);
    EXPECT_EQ(list.links[2]->destY, 301);
}

// A page reference without "\h" leaves a blank after the bookmark name; the
// go-to is tried once more without trailing blanks, and only when it failed.
// Names still compare exactly: "b100 " reaches nothing.
TEST_F(DestinationTest, NameWithTrailingBlanksIsRetriedTrimmed) {
    struct Case {
        std::string dest;
        int destPage;
        int destY;
        int goTos;  // bookmark go-tos made for this link
    } const cases[] = {
        {"B100", 2, 750, 1},  {"B100 ", 2, 750, 2}, {"B100 \t ", 2, 750, 2}, {"Missing ", 0, 0, 2},
        {"Missing", 0, 0, 1}, {" ", 0, 0, 1},       {"b100 ", 0, 0, 2},
    };
    doc().page().paragraph().line("Start", 72);
    doc().page().paragraph().line("Hundred", 100);
    doc().bookmarkOn("Hundred", "B100");
    open();
    test::TempDir dir;
    const std::string marks = dir.file("marks.ps");
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.dest + "\"");
        list.clear();
        addLink(LinkType::Toc, c.dest);
        word.clearCalls();
        list.resolveDestinations(*application);
        EXPECT_EQ(list.links[0]->destPage, c.destPage);
        EXPECT_EQ(list.links[0]->destY, c.destY);
        EXPECT_EQ(word.callCount("Selection.GoTo -1"), c.goTos);
        // Only a resolved link is written.
        test::write_text(marks, "");
        EXPECT_TRUE(list.writeAnnotations(marks));
        const std::string written = test::read_file(marks);
        EXPECT_EQ(written.empty(), c.destPage == 0) << written;
        if (c.destPage != 0) {
            EXPECT_NE(written.find(" /SrcPg 1 /Page 2 "), std::string::npos) << written;
        }
    }
}

}  // namespace
}  // namespace vane
