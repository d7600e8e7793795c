#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "OpenFakeDocument.h"
#include "TempDir.h"
#include "pdf/CBookmarkList.h"
#include "pdf/CLinkList.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

class AnnotationWriterTest : public ::testing::Test {
protected:
    AnnotationWriterTest() {
        // Five A4 pages; page 4 landscape.
        for (std::uint32_t p = 0; p < 5; ++p) {
            info.pageStarts.push_back(p * 100);
            info.pageOrientations.push_back(p == 3 ? 1 : 0);
            info.pageWidths.push_back(p == 3 ? 84200 : 59500);
            info.pageHeights.push_back(p == 3 ? 59500 : 84200);
        }
        info.pageCount = 5;
        write_text(file, "%outline\r\n");
    }
    CLink& add(LinkType type, int page, CRegion edges, const std::string& dest, int destPage = 0,
               int destY = 0) {
        auto link = std::make_unique<CLink>(page, type, edges);
        link->dest = dest;
        link->destPage = destPage;
        link->destY = destY;
        list.links.push_back(std::move(link));
        return *list.links.back();
    }
    // What writeAnnotations appended after the outline.
    std::string written() {
        EXPECT_TRUE(list.writeAnnotations(file));
        return read_file(file).substr(10);
    }

    CDocinfo info;
    CLinkList list{info};
    TempDir dir;
    std::string file = dir.file("doc.pdf.ps_2.ps");
};

// Edges as CRegion(page, top, bottom, left, right).
TEST_F(AnnotationWriterTest, InternalAndUrlLines) {
    add(LinkType::Internal, 2, CRegion(2, 712, 700, 72, 300), "Target", 5, 790);
    add(LinkType::Url, 3, CRegion(3, 412, 400, 90, 180), "http://example.org/");
    EXPECT_EQ(written(),
              "[ /Rect [72 700 300 712] /Border [0 0 0] /SrcPg 2 /Page 5 /Subtype /Link"
              " /View [/XYZ 0 790 null] /ANN pdfmark\r\n"
              "[ /Rect [90 400 180 412] /Action /Launch /Border [0 0 0] /SrcPg 3"
              " /URI (http://example.org/) /Subtype /Link /ANN pdfmark\r\n");
}

TEST_F(AnnotationWriterTest, LandscapeSourceExchangesAxesAndLandscapeDestinationPutsYFirst) {
    // Page 4 is 842 wide and 595 high: the edges lie within those.
    add(LinkType::Toc, 4, CRegion(4, 542, 529, 72, 749), "_Toc1", 1, 550);
    add(LinkType::Internal, 1, CRegion(1, 742, 729, 72, 149), "_Toc1", 4, 300);
    add(LinkType::Url, 4, CRegion(4, 542, 529, 72, 749), "http://a.org");
    EXPECT_EQ(written(),
              "[ /Rect [542 749 529 72] /Border [0 0 0] /SrcPg 4 /Page 1 /Subtype /Link"
              " /View [/XYZ 0 550 null] /ANN pdfmark\r\n"
              "[ /Rect [72 729 149 742] /Border [0 0 0] /SrcPg 1 /Page 4 /Subtype /Link"
              " /View [/XYZ 300 0 null] /ANN pdfmark\r\n"
              "[ /Rect [542 749 529 72] /Action /Launch /Border [0 0 0] /SrcPg 4"
              " /URI (http://a.org) /Subtype /Link /ANN pdfmark\r\n");
}

TEST_F(AnnotationWriterTest, UnresolvedAndPagelessLinksWriteNothing) {
    add(LinkType::Toc, 1, CRegion(1, 742, 729, 72, 149), "_Toc1");           // destination page 0
    add(LinkType::Internal, -1, CRegion(-1, 742, 729, 72, 149), "X", 2, 5);  // source page unknown
    add(LinkType::Url, 0, CRegion(0, 742, 729, 72, 149), "http://a.org");
    add(LinkType::Url, 2, CRegion(2, 742, 729, 72, 149), "http://b.org").type = static_cast<LinkType>(7);
    EXPECT_EQ(written(), "");
}

TEST_F(AnnotationWriterTest, AddressReachesTheAnnotationUnchanged) {
    add(LinkType::Url, 1, CRegion(1, 20, 10, 1, 2), "http://x.org/a(b)\\c\xC3\xA9");
    EXPECT_EQ(written(),
              "[ /Rect [1 10 2 20] /Action /Launch /Border [0 0 0] /SrcPg 1"
              " /URI (http://x.org/a\\(b\\)\\\\c\\303\\251) /Subtype /Link /ANN pdfmark\r\n");
}

TEST_F(AnnotationWriterTest, EmptyListLeavesTheFileAloneAndMissingFolderFails) {
    const std::string absent = dir.file("absent.ps");
    EXPECT_TRUE(list.writeAnnotations(absent));
    EXPECT_FALSE(test::read_file(absent).size() > 0);
    EXPECT_EQ(read_file(file), "%outline\r\n");
    add(LinkType::Url, 1, CRegion(1, 20, 10, 1, 2), "http://a.org");
    EXPECT_FALSE(list.writeAnnotations(dir.file("no/such/folder/marks.ps")));
}

// A fake document with every kind of link, through the whole link route.
// The mark file d2p writes: the outline marks, then the link marks.
TEST(AnnotationGoldenTest, MarksOfADocumentWithHeadingsContentsAndEveryKindOfLink) {
    test::OpenFakeDocument f;
    test::FakeDocument& doc = f.doc();
    using namespace word;
    const auto bookmarkOnPage = [&doc](const std::string& name, const std::string& text, int page) {
        const int at = doc.find(text, doc.pageStart(page));
        doc.bookmark(name, at, at + static_cast<int>(text.size()));
    };
    // Page 1: contents, a cross-reference, a web link over two lines, a picture link.
    doc.page().paragraph().line("Contents", 72);
    doc.sections()[0].setup.differentFirstPage = true;
    doc.toc({{.text = "Introduction", .page = 2, .bookmark = "_Toc100", .top = 100},
             {.text = "Wide tables", .page = 3, .bookmark = "_Toc101", .top = 114}});
    doc.paragraph().line("See the introduction for details.", 200).hyperlinkOn("introduction", "", "Intro");
    doc.paragraph().line("The project site at ", 230).line("example.org (mirror) has more.", 244);
    doc.hyperlinkOn("site at example.org", "http://example.org/a(1)");
    doc.paragraph().line("Picture anchor", 400);
    doc.shape({.type = 1,
               .anchor = doc.find("Picture anchor"),
               .width = 100,
               .height = 50,
               .top = 20,
               .left = kShapeCenter,
               .relativeHorizontal = kRelativePage,
               .relativeVertical = kRelativeParagraph});
    doc.shapeHyperlink(1, "http://picture.example.org");
    // Page 2: the introduction, a text box and a footnote.
    doc.page().paragraph("Heading 1").line("Introduction", 300);
    bookmarkOnPage("_Toc100", "Introduction", 2);
    bookmarkOnPage("Intro", "Introduction", 2);
    // Its positions count from 0 inside its own story: the page comes from
    // the word processor, not from the main text's page starts.
    doc.shape({.anchor = doc.pageStart(2), .width = 150, .height = 40, .top = 500, .left = 100}, 2)
        .paragraph()
        .line("Mail Us", 520, 110)
        .hyperlinkOn("Us", "MAILTO:Team@Example.org");
    doc.footnote(2).paragraph().line("Source: https://Docs.example.org/caf\xC3\xA9", 780);
    doc.footnotes().back()->hyperlinkOn("https://Docs.example.org/caf\xC3\xA9",
                                        "https://Docs.example.org/caf\xC3\xA9");
    // Page 3: a landscape section with its heading.
    doc.section({.width = 842, .height = 595, .orientation = kLandscape, .differentFirstPage = true}).page();
    doc.paragraph("Heading 1").line("Wide tables", 200);
    bookmarkOnPage("_Toc101", "Wide tables", 3);
    // Measured on its own (landscape) page, though the page hint still names page 1.
    doc.paragraph().line("Back to the introduction", 250).hyperlinkOn("Back", "", "Intro");
    // Headers: the first page's and the others'.
    doc.header(1, kHeaderFooterFirstPage)
        .paragraph()
        .line("Folivane manual", 30)
        .hyperlinkOn("Folivane", "http://folivane.example.org");
    // The portrait section's footer: not repeated on the landscape page.
    doc.footer(1, kHeaderFooterPrimary)
        .paragraph()
        .line("Page footer", 800)
        .hyperlinkOn("footer", "http://footer.example.org");
    f.open();

    CBookmarkList outline(&f.info);
    outline.extractFromHeadings(*f.document, *f.application);
    ASSERT_EQ(outline.size(), 2u);
    CLinkList list(f.info);
    list.extractTocLinks(*f.application, *f.document);
    list.extractOtherLinks(*f.document, *f.application);
    list.resolveDestinations(*f.application);
    TempDir dir;
    const std::string file = dir.file("manual.pdf.ps_2.ps");
    write_text(file, "");
    ASSERT_TRUE(outline.writeOutline(file));
    ASSERT_TRUE(list.writeAnnotations(file));
    const char* source = std::getenv("VANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string golden = read_file(std::string(source) + "/tests/data/pdf/marks_every_kind.ps");
    if (std::getenv("VANE_UPDATE_GOLDEN") != nullptr)
        write_text(std::string(source) + "/tests/data/pdf/marks_every_kind.ps", read_file(file));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(read_file(file), golden);
}

}  // namespace
}  // namespace vane
