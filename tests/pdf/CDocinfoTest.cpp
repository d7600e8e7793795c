#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "TestHost.h"
#include "fake_word/FakeWord.h"
#include "frame/LibraryState.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane {
namespace {

using test::FakePageSetup;
using test::TestHost;

// Opens the fake's document and loads its information.
class CDocinfoTest : public ::testing::Test {
protected:
    std::int32_t load() {
        application = word.createApplication();
        documents = application->documents();
        document = documents->open("/docs/manual.doc", {});
        return info.load(*application, *document);
    }
    void onePage(const FakePageSetup& setup = {}) {
        word.document().section(setup).page().paragraph("Heading 1").line("Intro", 72);
    }

    TestHost host;
    test::FakeWord word;
    std::unique_ptr<word::Application> application;
    std::unique_ptr<word::Documents> documents;
    std::unique_ptr<word::Document> document;
    CDocinfo info;
};

TEST_F(CDocinfoTest, OnePageDocumentHasOneStart) {
    onePage();
    EXPECT_EQ(load(), 1);
    EXPECT_EQ(info.pageCount, 1);
    ASSERT_EQ(info.pageStarts.size(), 1u);
    EXPECT_EQ(info.pageStarts[0], 0u);
    EXPECT_EQ(info.pageOrientations, std::vector<std::uint32_t>{0});
    EXPECT_EQ(info.pageWidths, std::vector<std::uint32_t>{59500});
    EXPECT_EQ(info.pageHeights, std::vector<std::uint32_t>{84200});
    EXPECT_TRUE(info.loaded);
    EXPECT_EQ(info.headingStyles[0], "Heading 1");
    EXPECT_EQ(info.headingStyles[5], "Heading 6");
}

TEST_F(CDocinfoTest, MixedOrientationsGiveEachPageItsSection) {
    test::FakeDocument& doc = word.document();
    doc.section({.width = 595, .height = 842}).page().paragraph().line("one", 72);
    doc.section({.width = 842, .height = 595, .orientation = word::kLandscape}).page();
    doc.paragraph().line("two", 72);
    doc.page().paragraph().line("three", 72);
    doc.section({.width = 612, .height = 792}).page().paragraph().line("four", 72);
    state().verbose = true;

    EXPECT_EQ(load(), 4);
    EXPECT_GE(info.orientation, 1001);
    EXPECT_TRUE(host.printed(195));  // "unknown"
    EXPECT_EQ(info.pageOrientations, (std::vector<std::uint32_t>{0, 1, 1, 0}));
    EXPECT_EQ(info.pageWidths, (std::vector<std::uint32_t>{59500, 84200, 84200, 61200}));
    EXPECT_EQ(info.pageHeights, (std::vector<std::uint32_t>{84200, 59500, 59500, 79200}));
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        const std::size_t i = static_cast<std::size_t>(page - 1);
        EXPECT_EQ(info.pageStarts[i], static_cast<std::uint32_t>(word.document().pageStart(page)));
        EXPECT_FLOAT_EQ(info.pageWidth(page), static_cast<float>(info.pageWidths[i]) / 100.0f);
    }
}

// Sections of different sizes or orientations: the document's page setup reads
// "undefined" for what differs, and every page takes the values of its own section.
struct SectionLayoutCase {
    const char* name;
    std::vector<FakePageSetup> sections;  // one page each, in order
    bool orientationMixed;                // the document's orientation reads "unknown"
    bool sizeUndefined;                   // its width or height reads kUndefined
};

const FakePageSetup kLetter{.width = 612, .height = 792};
const FakePageSetup kA4{.width = 595, .height = 842};
const FakePageSetup kA4Landscape{.width = 842, .height = 595, .orientation = word::kLandscape};
const FakePageSetup kA5Landscape{.width = 595, .height = 420, .orientation = word::kLandscape};
const FakePageSetup kLegal{.width = 612, .height = 1008};

const SectionLayoutCase kSectionLayouts[] = {
    {"Letter + A4 + Letter, portrait", {kLetter, kA4, kLetter}, false, true},
    {"A4 + A5 landscape (same width)", {kA4, kA5Landscape}, true, true},
    {"Letter + Legal (only the height differs)", {kLetter, kLegal, kLetter}, false, true},
    {"A4 portrait + A4 landscape", {kA4, kA4Landscape, kA4}, true, true},
    {"uniform A4", {kA4, kA4, kA4}, false, false},
};

TEST_F(CDocinfoTest, EveryPageTakesTheSizeOfItsSection) {
    for (const SectionLayoutCase& c : kSectionLayouts) {
        SCOPED_TRACE(c.name);
        test::FakeWord fresh;
        for (const FakePageSetup& setup : c.sections) {
            fresh.document().section(setup).page().paragraph().line("text", 72);
        }
        auto app = fresh.createApplication();
        auto docs = app->documents();
        auto doc = docs->open("/d.doc", {});
        CDocinfo docinfo;
        ASSERT_EQ(docinfo.load(*app, *doc), static_cast<std::int32_t>(c.sections.size()));

        EXPECT_EQ(docinfo.orientation >= 1001, c.orientationMixed);
        const bool undefined = docinfo.docPageWidth >= 9999999.0f || docinfo.docPageHeight >= 9999999.0f;
        EXPECT_EQ(undefined, c.sizeUndefined);
        for (std::size_t i = 0; i < c.sections.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const FakePageSetup& setup = c.sections[i];
            EXPECT_EQ(docinfo.pageOrientations[i], static_cast<std::uint32_t>(setup.orientation));
            EXPECT_EQ(docinfo.pageWidths[i], static_cast<std::uint32_t>(setup.width * 100));
            EXPECT_EQ(docinfo.pageHeights[i], static_cast<std::uint32_t>(setup.height * 100));
            EXPECT_FLOAT_EQ(docinfo.pageHeight(static_cast<std::int32_t>(i + 1)), setup.height);
        }
        // A uniform document is read from its page setup alone.
        EXPECT_EQ(fresh.called("Range.Sections"), c.sizeUndefined || c.orientationMixed);
    }
}

// A page whose section cannot be read keeps the document's values.
TEST_F(CDocinfoTest, UnreadableSectionKeepsTheDocumentValues) {
    test::FakeDocument& doc = word.document();
    doc.section(kLetter).page().paragraph().line("one", 72);
    doc.section(kA4).page().paragraph().line("two", 72);
    word.failOn("Range.Sections");
    ASSERT_EQ(load(), 2);
    EXPECT_EQ(info.pageWidths, (std::vector<std::uint32_t>{999999900u, 999999900u}));
}

TEST_F(CDocinfoTest, FractionalPointsAreKeptInHundredths) {
    onePage({.width = 595.28f, .height = 841.89f});
    ASSERT_EQ(load(), 1);
    EXPECT_EQ(info.pageHeights[0], 84189u);
    EXPECT_EQ(info.pageWidths[0], 59528u);
    EXPECT_FLOAT_EQ(info.pageHeight(1), 841.89f);
    EXPECT_FLOAT_EQ(info.pageWidth(1), 595.28f);
}

TEST_F(CDocinfoTest, PageSizeOutsideTheDocumentThrows) {
    onePage();
    ASSERT_EQ(load(), 1);
    for (int page : {0, -1, 2}) {
        SCOPED_TRACE(page);
        EXPECT_THROW(info.pageWidth(page), std::invalid_argument);
        EXPECT_THROW(info.pageHeight(page), std::invalid_argument);
    }
}

TEST_F(CDocinfoTest, UnreadablePageSetupFails) {
    onePage();
    word.failOn("PageSetup.Orientation");
    state().verbose = true;
    EXPECT_EQ(load(), -1);
    EXPECT_FALSE(info.loaded);
    EXPECT_TRUE(host.printed(190));
    EXPECT_FALSE(host.printed(191));
}

TEST_F(CDocinfoTest, TitleWarningIsPrintedEvenWithoutVerbose) {
    struct Case {
        const char* title;
        bool verbose;
        bool warning;
        const char* shown;  // text that must appear, or nullptr: no title line
    } const cases[] = {
        {"", false, true, nullptr},
        {"", true, true, nullptr},
        {"Manual", false, false, nullptr},
        {"Manual", true, false, "\r\nDocument Title: Manual"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + (c.verbose ? " -v" : ""));
        test::FakeWord fresh;
        fresh.document().page().paragraph().line("x", 72);
        fresh.document().title = c.title;
        state().verbose = c.verbose;
        host.clear();
        auto app = fresh.createApplication();
        auto docs = app->documents();
        auto doc = docs->open("/d.doc", {});
        CDocinfo docinfo;
        ASSERT_EQ(docinfo.load(*app, *doc), 1);
        EXPECT_EQ(docinfo.title, c.title);
        EXPECT_EQ(host.printed(186), c.warning);
        const bool titleShown = host.output().find("\r\nDocument Title: Manual") != std::string::npos;
        EXPECT_EQ(titleShown, c.shown != nullptr) << host.output();
        EXPECT_EQ(host.printed(189), c.verbose);
    }
}

TEST_F(CDocinfoTest, ReadsAuthorSubjectAndKeywords) {
    onePage();
    test::FakeDocument& doc = word.document();
    doc.title = "Manual";
    doc.author = "A. Writer";
    doc.subject = "Publishing";
    doc.keywords = "pdf; outline";
    ASSERT_EQ(load(), 1);
    EXPECT_EQ(info.title, "Manual");
    EXPECT_EQ(info.author, "A. Writer");
    EXPECT_EQ(info.subject, "Publishing");
    EXPECT_EQ(info.keywords, "pdf; outline");
}

// A word processor without one of these properties still publishes; the title stays required reading.
TEST_F(CDocinfoTest, AMissingAuthorOrKeywordsIsLeftEmpty) {
    onePage();
    word.document().subject = "Publishing";
    word.failOn("DocumentProperties.Value Author", 0, "no such property");
    word.failOn("DocumentProperties.Value Keywords", 0, "no such property");
    ASSERT_EQ(load(), 1);
    EXPECT_EQ(info.author, "");
    EXPECT_EQ(info.subject, "Publishing");
    EXPECT_EQ(info.keywords, "");

    CDocinfo again;
    word.failOn("DocumentProperties.Value Title", 0, "no such property");
    EXPECT_THROW(again.load(*application, *document), word::WordError);
}

TEST_F(CDocinfoTest, VerboseReportsTheDocument) {
    test::FakeDocument& doc = word.document();
    doc.section({.width = 595, .height = 842});
    doc.sections()[0].setup.differentFirstPage = true;
    doc.sections()[0].setup.oddAndEven = true;
    doc.renameHeadingStyle(2, "Titre 2");
    doc.page().paragraph().line("a", 72);
    doc.page().paragraph().line("b", 72);
    doc.title = "T";
    state().verbose = true;

    EXPECT_EQ(load(), 2);
    EXPECT_EQ(info.differentFirstPage, 1);
    EXPECT_EQ(info.oddAndEvenPages, 1);
    EXPECT_EQ(info.headingStyles[1], "Titre 2");
    const std::string& out = host.output();
    for (const char* text :
         {"\r\nGet document information", "\r\nDocument information:", "\r\nOrientation: portrait",
          "\r\nPage height: 842.000000", "\r\nPage width: 595.000000",
          "\r\nDocument has specific first page header and footer",
          "\r\nDocument has specific odd and even page header and footer", "\r\nGet heading styles",
          "\r\nHeading 2 style: Titre 2", "\r\nRepaginate document", "\r\nGet page positions",
          "\r\nNumber of pages: 2"}) {
        SCOPED_TRACE(text);
        EXPECT_NE(out.find(text), std::string::npos) << out;
    }
    // The page setup is read once per document.
    EXPECT_EQ(out.find("\r\nGet document information"), out.rfind("\r\nGet document information"));
    EXPECT_TRUE(word.called("Document.Repaginate"));
}

TEST_F(CDocinfoTest, MissingHeadingStyleLeavesItsNameEmpty) {
    word.document().removeHeadingStyle(6);
    onePage();
    ASSERT_EQ(load(), 1);
    EXPECT_EQ(info.headingStyles[4], "Heading 5");
    EXPECT_TRUE(info.headingStyles[5].empty());
}

TEST_F(CDocinfoTest, LoadStartsAfresh) {
    onePage();
    ASSERT_EQ(load(), 1);
    word.document().page().paragraph().line("more", 72);
    EXPECT_EQ(info.load(*application, *document), 2);
    EXPECT_EQ(info.pageStarts.size(), 2u);
    EXPECT_EQ(info.pageWidths.size(), 2u);
}

TEST(CDocinfoPageIndex, FindsThePageFromAHint) {
    CDocinfo info;
    info.pageStarts = {10, 50, 90};
    info.pageCount = 3;
    struct Case {
        int hint, position, index;
    } const cases[] = {
        {0, 5, -1},  // before the first start: every page searched
        {2, 5, -1},  // same, starting from the last page
        {0, 10, 0},   {0, 49, 0}, {0, 50, 1},
        {0, 89, 1},   {0, 90, 2}, {0, 1000, 2},  // beyond the last start: the last page
        {1, 1000, 2}, {2, 20, 0},                // wraps around to pages before the hint
        {1, 20, 0},   {2, 60, 1}, {-5, 60, 1},   // a negative hint counts as 0
        {1, 70, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hint << " " << c.position);
        EXPECT_EQ(info.pageIndexOf(c.hint, c.position), c.index);
    }
}

TEST(CDocinfoPageIndex, HintPastTheLastPageThrows) {
    CDocinfo info;
    info.pageStarts = {0, 100};
    info.pageCount = 2;
    EXPECT_THROW(info.pageIndexOf(2, 50), std::invalid_argument);
    EXPECT_THROW(info.pageIndexOf(9, 150), std::invalid_argument);
    EXPECT_EQ(info.pageIndexOf(1, 50), 0);
}

TEST(CDocinfoPageIndex, NoPagesGiveMinusOne) {
    CDocinfo info;
    EXPECT_EQ(info.pageIndexOf(0, 0), -1);
    EXPECT_EQ(info.pageIndexOf(3, 10), -1);
}

TEST(CDocinfoPageIndex, OnePage) {
    CDocinfo info;
    info.pageStarts = {0};
    info.pageCount = 1;
    EXPECT_EQ(info.pageIndexOf(0, 0), 0);
    EXPECT_EQ(info.pageIndexOf(0, 12345), 0);
}

}  // namespace
}  // namespace vane
