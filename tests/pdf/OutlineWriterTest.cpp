// Writing the outline marks, and the text and coordinate steps they rely on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "OutlineFixture.h"
#include "TempDir.h"
#include "pdf/CBookmarkList.h"
#include "pdf/Destination.h"
#include "pdf/OutlineText.h"
#include "word/CDocinfo.h"

namespace vane {
namespace {

using test::read_file;
using test::TempDir;
using test::write_text;

// A document information of `orientations.size()` A4 pages, without a word processor.
CDocinfo pages(const std::vector<std::uint32_t>& orientations) {
    CDocinfo info;
    for (std::uint32_t o : orientations) {
        info.pageStarts.push_back(static_cast<std::uint32_t>(info.pageStarts.size() * 100));
        info.pageOrientations.push_back(o);
        info.pageWidths.push_back(o == 1 ? 84200 : 59500);
        info.pageHeights.push_back(o == 1 ? 59500 : 84200);
    }
    info.pageCount = static_cast<std::int32_t>(orientations.size());
    info.loaded = true;
    return info;
}

TEST(DestinationY, OneHundredthOfThePageAboveTheTarget) {
    struct Case {
        float position;
        float height;
        std::int32_t y;
    };
    const Case cases[] = {
        {100, 842, 750},                                          // 842 - 91.58 + 0.5
        {300, 842, 550},                                          // 842 - 291.58 + 0.5
        {5, 842, 842},                                            // above 1%: trunc(842 + 0.5)
        {0, 842, 842},       {8.42f, 842, 842}, {100, 595, 501},  // 595 - 94.05 + 0.5
        {100, 841.89f, 750},                                      // 841.89 - 91.5811 + 0.5 = 750.81
        {842, 842, 8},                                            // 842 - 833.58 + 0.5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.position << " on " << c.height);
        EXPECT_EQ(destination_y(c.position, c.height), c.y);
    }
}

TEST(DestinationView, LandscapeExchangesTheAxes) {
    EXPECT_EQ(destination_view(false, 750), " /View [/XYZ 0 750 null]");
    EXPECT_EQ(destination_view(true, 501), " /View [/XYZ 501 0 null]");
}

TEST(CleanTitle, FirstLineWithTabsAsSpaces) {
    const std::pair<std::string, std::string> cases[] = {
        {"Intro\r", "Intro"},
        {"A\tB", "A B"},
        {"First\vSecond\r", "First"},
        {"\fAfter", ""},
        {"Cell\a", "Cell"},
        {std::string("Nul\0rest", 8), "Nul"},
        {"\xC3\xA9t\xC3\xA9\r", "\xC3\xA9t\xC3\xA9"},  // UTF-8 bytes stay
        {"\t\t", "  "},
        {"", ""},
    };
    for (const auto& [text, title] : cases) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(clean_title(text), title);
    }
}

TEST(Utf16Hex, CodeUnitsHighByteFirst) {
    const std::pair<std::string, std::string> cases[] = {
        {"Intro", "FEFF0049006E00740072006F"},
        {"\xC3\xA9", "FEFF00E9"},                      // é
        {"\xE2\x82\xAC", "FEFF20AC"},                  // euro sign
        {"\xE4\xB8\xAD\xE6\x96\x87", "FEFF4E2D6587"},  // two CJK characters
        {"\xF0\x9D\x84\x9E", "FEFFD834DD1E"},          // beyond the basic plane: surrogate pair
        {"\xE9t\xE9", "FEFF00E9007400E9"},             // invalid UTF-8: bytes read as Latin-1
        {"\xE2\x82", "FEFF00E20082"},                  // cut sequence
        {"\xC0\xAF", "FEFF00C000AF"},                  // overlong form
        {"\xED\xA0\x80", "FEFF00ED00A00080"},          // encoded surrogate
        {"", "FEFF"},
    };
    for (const auto& [text, hex] : cases) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(utf16_hex(text), hex);
    }
}

class OutlineWriter : public ::testing::Test {
protected:
    TempDir dir;
    std::string marks = dir.file("marks.ps");
};

TEST_F(OutlineWriter, PortraitEntryLineByteForByte) {
    CDocinfo info = pages({0, 0});
    CBookmarkList list(&info);
    list.entries.push_back(std::make_unique<CBookmark>("Intro", 1, 2, 750));
    list.entries[0]->count = -3;
    write_text(marks, "%!PS\r\n");

    EXPECT_TRUE(list.writeOutline(marks));

    EXPECT_EQ(
        read_file(marks),
        "%!PS\r\n"
        "[ /Title <FEFF0049006E00740072006F> /Count -3 /Page 2 /View [/XYZ 0 750 null] /OUT pdfmark\r\n");
}

TEST_F(OutlineWriter, LandscapePageAndEntriesWithoutTitle) {
    CDocinfo info = pages({0, 1});
    CBookmarkList list(&info);
    list.entries.push_back(std::make_unique<CBookmark>("", 0, 0, 0));
    list.entries.push_back(std::make_unique<CBookmark>("Wide", 1, 2, 501));
    list.entries.push_back(std::make_unique<CBookmark>("Tall", 1, 1, 842));
    write_text(marks, "");

    EXPECT_TRUE(list.writeOutline(marks));

    EXPECT_EQ(read_file(marks),
              "[ /Title <FEFF0057006900640065> /Page 2 /View [/XYZ 501 0 null] /OUT pdfmark\r\n"
              "[ /Title <FEFF00540061006C006C> /Page 1 /View [/XYZ 0 842 null] /OUT pdfmark\r\n");
}

TEST_F(OutlineWriter, EntryOutsideTheDocumentsPagesIsNotWritten) {
    CDocinfo info = pages({0});
    CBookmarkList list(&info);
    list.entries.push_back(std::make_unique<CBookmark>("Lost", 1, 2, 700));
    write_text(marks, "");

    EXPECT_TRUE(list.writeOutline(marks));

    EXPECT_EQ(read_file(marks), "");
    EXPECT_EQ(list.writableCount(), 0u);
}

TEST_F(OutlineWriter, EmptyListLeavesTheFileAlone) {
    CDocinfo info = pages({0});
    CBookmarkList list(&info);

    EXPECT_TRUE(list.writeOutline(marks));

    EXPECT_EQ(read_file(marks), "");
    EXPECT_FALSE(std::ifstream(marks).good());  // not even created
}

TEST_F(OutlineWriter, FileThatCannotBeOpenedFails) {
    CDocinfo info = pages({0});
    CBookmarkList list(&info);
    list.entries.push_back(std::make_unique<CBookmark>("Intro", 1, 1, 750));

    EXPECT_FALSE(list.writeOutline(dir.file("missing/marks.ps")));
}

// A whole outline from a fake document, against its golden mark file.
class OutlineGolden : public test::OutlineFixture {};

TEST_F(OutlineGolden, HeadingsOfAManual) {
    doc.page();
    doc.paragraph("Heading 1").line("Introduction", 100);
    doc.paragraph().line("Welcome.", 130);
    doc.paragraph("Heading 2").line("Purpose\tand scope", 200);
    doc.paragraph("Heading 2").line("Audience\vreaders first", 300);
    doc.paragraph("Heading 1").line("\f", 700);
    doc.page();
    doc.line("Installation", 72);
    doc.paragraph("Heading 2").line("Requirements", 150);
    doc.paragraph("Heading 3").line("Disk space", 250);
    doc.paragraph("Heading 3").line("Memory", 350);
    doc.paragraph("Heading 2").line("Steps", 450);
    doc.section({.width = 842, .height = 595, .orientation = word::kLandscape}).page();
    doc.paragraph("Heading 1").line("R\xC3\xA9sum\xC3\xA9 \xE2\x80\x94 tables \xF0\x9D\x84\x9E", 3);
    doc.paragraph("Heading 4").line("Wide table notes", 200);
    doc.section().page();
    doc.paragraph("Heading 1").line("Index", 72);

    extract();
    TempDir out;
    const std::string file = out.file("marks.ps");
    write_text(file, "");
    ASSERT_TRUE(list->writeOutline(file));

    const char* source = std::getenv("VANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string golden = read_file(std::string(source) + "/tests/data/pdf/outline_headings.ps");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(read_file(file), golden);
}

}  // namespace
}  // namespace vane
