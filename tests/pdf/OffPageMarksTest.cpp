// Marks that would point off their page are not written: a link rectangle
// outside its source page, a destination outside its target page, an outline
// entry whose view lies off its page, anything on a page of unknown size.
#include <gtest/gtest.h>

#include <string>

#include "OpenFakeDocument.h"
#include "TempDir.h"
#include "frame/LibraryState.h"
#include "pdf/CBookmarkList.h"
#include "pdf/CLinkList.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

// Four pages: A4 portrait (595 x 842), A4 landscape (842 x 595), A4 portrait,
// and one whose size the word processor left undefined.
CDocinfo four_pages() {
    CDocinfo info;
    const std::uint32_t widths[] = {59500, 84200, 59500, 999999900};
    const std::uint32_t heights[] = {84200, 59500, 84200, 999999900};
    for (std::uint32_t p = 0; p < 4; ++p) {
        info.pageStarts.push_back(p * 100);
        info.pageOrientations.push_back(p == 1 ? 1 : 0);
        info.pageWidths.push_back(widths[p]);
        info.pageHeights.push_back(heights[p]);
    }
    info.pageCount = 4;
    return info;
}

struct LinkCase {
    const char* name;
    LinkType type;
    int page;
    CRegion edges;  // (page, top, bottom, left, right)
    int destPage;
    int destY;
    bool dropped;
    const char* says;  // part of the message that says why
};

const LinkCase kLinkCases[] = {
    {"inside a portrait page", LinkType::Internal, 1, CRegion(1, 742, 729, 72, 149), 3, 790, false, nullptr},
    {"edges on the page's very edges", LinkType::Url, 1, CRegion(1, 842, 0, 0, 595), 0, 0, false, nullptr},
    {"one point past the right edge", LinkType::Url, 1, CRegion(1, 842, 10, 0, 596), 0, 0, true, "Right=596"},
    {"past the right edge", LinkType::Url, 1, CRegion(1, 742, 729, 500, 640), 0, 0, true,
     "Link 2 dropped: its rectangle Left=500 Bottom=729 Right=640 Top=742 lies outside page 1 (595 x 842"},
    {"below the bottom", LinkType::Url, 3, CRegion(3, 8, -5, 72, 149), 0, 0, true,
     "Bottom=-5 Right=149 Top=8 lies outside page 3"},
    {"above the top", LinkType::Toc, 1, CRegion(1, 9999400, 9999387, 72, 149), 3, 790, true, "Top=9999400"},
    {"landscape page: as wide as it is long", LinkType::Url, 2, CRegion(2, 500, 487, 72, 800), 0, 0, false,
     nullptr},
    {"landscape page: higher than it is", LinkType::Url, 2, CRegion(2, 742, 729, 72, 149), 0, 0, true,
     "lies outside page 2 (842 x 595 points)"},
    {"destination past the page height", LinkType::Internal, 1, CRegion(1, 742, 729, 72, 149), 3, 900, true,
     "Link 2 dropped: its destination Y=900 lies outside page 3 (842 points high)"},
    {"destination below the page", LinkType::Toc, 1, CRegion(1, 742, 729, 72, 149), 3, -12, true, "Y=-12"},
    {"destination on a landscape page", LinkType::Internal, 3, CRegion(3, 742, 729, 72, 149), 2, 700, true,
     "outside page 2 (595 points high)"},
    {"destination at the top of a landscape page", LinkType::Internal, 3, CRegion(3, 742, 729, 72, 149), 2,
     595, false, nullptr},
    {"source page of unknown size", LinkType::Url, 4, CRegion(4, 742, 729, 72, 149), 0, 0, true,
     "Link 2 dropped: page 4 has no known size"},
    {"destination page of unknown size", LinkType::Internal, 1, CRegion(1, 742, 729, 72, 149), 4, 790, true,
     "Link 2 dropped: page 4 has no known size"},
};

TEST(OffPageMarks, LinksOffTheirPagesAreDroppedAndNamed) {
    for (const LinkCase& c : kLinkCases) {
        SCOPED_TRACE(c.name);
        test::TestHost host;
        state().verbose = true;
        const CDocinfo info = four_pages();
        CLinkList list(info);
        // A link that is always written comes first, so the case's link is number 2.
        auto first = std::make_unique<CLink>(1, LinkType::Url, CRegion(1, 100, 90, 72, 100));
        first->dest = "http://first.example.org";
        list.links.push_back(std::move(first));
        auto link = std::make_unique<CLink>(c.page, c.type, c.edges);
        link->dest = c.type == LinkType::Url ? "http://example.org" : "_Toc1";
        link->destPage = c.destPage;
        link->destY = c.destY;
        list.links.push_back(std::move(link));

        TempDir dir;
        const std::string file = dir.file("marks.ps");
        write_text(file, "");
        ASSERT_TRUE(list.writeAnnotations(file));
        state().verbose = false;

        const std::string written = read_file(file);
        const std::size_t marks = written.empty() ? 0 : std::count(written.begin(), written.end(), '\n');
        EXPECT_EQ(marks, c.dropped ? 1u : 2u) << written;
        EXPECT_NE(written.find("/URI (http://first.example.org)"), std::string::npos);
        EXPECT_EQ(host.output().find("dropped") != std::string::npos, c.dropped) << host.output();
        if (c.says != nullptr) {
            EXPECT_NE(host.output().find(c.says), std::string::npos) << host.output();
        }
    }
}

// Headings laid out past the bottom of a page (as a word processor that
// misreports a position would give them) lose their outline entry; the
// nesting closes over the gap.
TEST(OffPageMarks, OutlineEntryOffItsPageIsNeitherWrittenNorCounted) {
    test::OpenFakeDocument f;
    test::FakeDocument& doc = f.doc();
    doc.page().paragraph("Heading 1").line("Chapter", 72);
    doc.paragraph("Heading 2").line("Lost", 900);  // 1% above it is still below the page
    doc.page().paragraph("Heading 2").line("Kept", 100);
    f.open();
    state().verbose = true;
    CBookmarkList outline(&f.info);
    outline.extractFromHeadings(*f.document, *f.application);
    TempDir dir;
    const std::string file = dir.file("marks.ps");
    write_text(file, "");
    ASSERT_TRUE(outline.writeOutline(file));
    state().verbose = false;

    EXPECT_EQ(read_file(file),
              "[ /Title <FEFF0043006800610070007400650072> /Count -1 /Page 1 /View [/XYZ 0 778 null]"
              " /OUT pdfmark\r\n"
              "[ /Title <FEFF004B006500700074> /Page 2 /View [/XYZ 0 750 null] /OUT pdfmark\r\n");
    EXPECT_NE(f.host.output().find(
                  "Bookmark 2 dropped: its destination Y=-49 lies outside page 1 (842 points high)"),
              std::string::npos)
        << f.host.output();
    EXPECT_EQ(outline.writableCount(), 2u);
}

// An entry set by hand past its page is refused by the writer too.
TEST(OffPageMarks, OutlineWriterRefusesAnEntryOffItsPage) {
    test::TestHost host;
    CDocinfo info = four_pages();
    CBookmarkList outline(&info);
    outline.entries.push_back(std::make_unique<CBookmark>("Up", 1, 1, 843));
    outline.entries.push_back(std::make_unique<CBookmark>("Top", 1, 1, 842));
    outline.entries.push_back(std::make_unique<CBookmark>("Unknown", 1, 4, 500));
    state().verbose = true;
    TempDir dir;
    const std::string file = dir.file("marks.ps");
    write_text(file, "");
    ASSERT_TRUE(outline.writeOutline(file));
    state().verbose = false;
    EXPECT_EQ(read_file(file),
              "[ /Title <FEFF0054006F0070> /Page 1 /View [/XYZ 0 842 null] /OUT pdfmark\r\n");
    EXPECT_NE(host.output().find("Bookmark 1 dropped: its destination Y=843"), std::string::npos);
    EXPECT_NE(host.output().find("Bookmark 3 dropped: page 4 has no known size"), std::string::npos);
}

// When a page's section cannot be read in a document whose sections differ in
// size, the page keeps the "undefined" size: nothing is placed on it.
TEST(OffPageMarks, NothingIsWrittenOnAPageOfUndefinedSize) {
    test::OpenFakeDocument f;
    test::FakeDocument& doc = f.doc();
    doc.section({.width = 612, .height = 792}).page().paragraph("Heading 1").line("Letter page", 72);
    doc.paragraph().line("A web link", 100).hyperlinkOn("web link", "http://example.org");
    doc.section({.width = 595, .height = 842}).page().paragraph("Heading 1").line("A4 page", 72);
    f.word.failOn("Range.Sections");
    f.open();
    ASSERT_EQ(f.info.pageWidths[0], 999999900u);
    state().verbose = true;
    CBookmarkList outline(&f.info);
    outline.extractFromHeadings(*f.document, *f.application);
    CLinkList links(f.info);
    links.extractOtherLinks(*f.document, *f.application);
    ASSERT_EQ(outline.size(), 2u);
    ASSERT_EQ(links.links.size(), 1u);
    TempDir dir;
    const std::string file = dir.file("marks.ps");
    write_text(file, "");
    ASSERT_TRUE(outline.writeOutline(file));
    ASSERT_TRUE(links.writeAnnotations(file));
    state().verbose = false;
    EXPECT_EQ(read_file(file), "");
    const std::string& out = f.host.output();
    EXPECT_NE(out.find("Link 1 dropped: page 1 has no known size"), std::string::npos) << out;
    EXPECT_NE(out.find("Bookmark 1 dropped: page 1 has no known size"), std::string::npos) << out;
    EXPECT_NE(out.find("Bookmark 2 dropped: page 2 has no known size"), std::string::npos) << out;
}

}  // namespace
}  // namespace vane
