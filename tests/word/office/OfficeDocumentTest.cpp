// Documents in the office: opening, properties, styles, page setup, the
// selection's movements over linear positions, HTML and PostScript output.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <regex>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "OfficeTestSupport.h"
#include "TempDir.h"
#include "pdf/PrintedPdf.h"
#include "word/office/HtmlAnchorRepair.h"
#include "word/office/OfficeDocument.h"
#include "word/office/ParagraphMap.h"

namespace vane {
namespace {

using namespace word;

std::string corpus(const std::string& name) {
    return test::shared_dir() + "/corpus/public/" + name;
}

class OfficeDocuments : public ::testing::Test {
protected:
    static void TearDownTestSuite() { test::quit_shared_office(); }

    std::unique_ptr<Document> open(const std::string& name) {
        auto document = test::shared_office().documents()->open(corpus(name), {});
        if (document) document->acceptAllRevisions();
        return document;
    }
};

TEST_F(OfficeDocuments, FilesTheOfficeCannotLoadGiveNoDocument) {
    test::TempDir dir;
    std::string garbage(4096, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 7919 + 13) % 256);
    test::write_text(dir.file("garbage.docx"), garbage);
    test::write_text(dir.file("zip.docx"), std::string("PK\x03\x04", 4) + garbage);
    const char* names[] = {"missing.docx", "garbage.docx", "zip.docx"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        auto document = test::shared_office().documents()->open(dir.file(name), {});
        EXPECT_EQ(document, nullptr);
        if (document) document->close(false);
    }
    // The office is still usable afterwards.
    EXPECT_NE(open("pandoc__headers.docx"), nullptr);
}

TEST_F(OfficeDocuments, DocAndDocxOpenWithTitleAndHeadingStyles) {
    struct Case {
        const char* file;
        const char* title;
    };
    const Case cases[] = {{"aspose__Template.doc", "ImportExport Test Document 2"},
                          {"aspose__Rendering.docx", "ImportExport Test Document 2"},
                          {"pandoc__headers.docx", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        auto document = open(c.file);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->builtInDocumentProperties()->value("Title"), c.title);
        EXPECT_THROW(document->builtInDocumentProperties()->value("No Such Property"), WordError);
        auto styles = document->styles();
        for (int level = 1; level <= 6; ++level) {
            auto style = styles->item(heading_style_index(level));
            EXPECT_EQ(style->nameLocal(), "Heading " + std::to_string(level));
            EXPECT_TRUE(style->builtIn());
            EXPECT_EQ(style->paragraphFormat()->outlineLevel(), level);
        }
        EXPECT_THROW(styles->item(-8), WordError);
        EXPECT_THROW(styles->item(styles->count() + 1), WordError);
        EXPECT_GT(styles->count(), 6);
        document->close(false);
    }
}

TEST_F(OfficeDocuments, PageSetupOfTheDocumentAndOfAPage) {
    auto landscape = open("oxsdk__Orientation-landscape.docx");
    ASSERT_NE(landscape, nullptr);
    auto setup = landscape->pageSetup();
    EXPECT_EQ(setup->orientation(), kLandscape);
    EXPECT_GT(setup->pageWidth(), setup->pageHeight());
    landscape->close(false);

    // Portrait pages with one landscape section.
    auto mixed = open("aspose__Rendering.docx");
    ASSERT_NE(mixed, nullptr);
    EXPECT_EQ(mixed->pageSetup()->orientation(), kUndefined);
    auto selection = test::shared_office().selection();
    int landscapePages = 0;
    for (int page = 1; page <= 6; ++page) {
        SCOPED_TRACE(page);
        auto range = selection->goToPage(page);
        ASSERT_NE(range, nullptr);
        auto pageSetup = range->pageSetup();
        const bool wide = pageSetup->orientation() == kLandscape;
        landscapePages += wide ? 1 : 0;
        EXPECT_EQ(wide, pageSetup->pageWidth() > pageSetup->pageHeight());
        EXPECT_EQ(selection->information(kInfoActiveEndPageNumber), page);
    }
    EXPECT_EQ(landscapePages, 1);
    // Past the last page the last page is reached again.
    EXPECT_EQ(selection->goToPage(99)->start(), selection->goToPage(6)->start());
    mixed->close(false);
}

TEST_F(OfficeDocuments, SelectionMovesOverLinearPositions) {
    auto document = open("pandoc__headers.docx");
    ASSERT_NE(document, nullptr);
    auto selection = test::shared_office().selection();
    auto first = selection->goToFirst(kGoToHeading);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->start(), first->end());
    selection->startOf(kUnitParagraph, kMove);
    selection->endOf(kUnitParagraph, kExtend);
    auto paragraph = selection->range();
    const std::string text = paragraph->text();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\r');
    EXPECT_EQ(paragraph->end() - paragraph->start(), static_cast<int>(text.size()));  // ASCII heading
    ASSERT_EQ(paragraph->paragraphs()->count(), 1);
    EXPECT_EQ(paragraph->paragraphs()->first()->range()->start(), paragraph->start());
    EXPECT_EQ(paragraph->style()->nameLocal(), "Heading 1");

    // Character moves: collapse counts as one unit, then characters.
    EXPECT_EQ(selection->move(kUnitCharacter, 3), 3);
    EXPECT_EQ(selection->start(), paragraph->end() + 2);
    EXPECT_EQ(selection->move(kUnitCharacter, -2), -2);
    EXPECT_EQ(selection->start(), paragraph->end());
    selection->moveEnd(kUnitCharacter, 4);
    EXPECT_EQ(selection->range()->end(), paragraph->end() + 4);
    selection->collapse(kCollapseStart);
    EXPECT_EQ(selection->range()->end(), selection->start());
    // Paragraph moves land on paragraph starts.
    EXPECT_EQ(selection->move(kUnitParagraph, -1), -1);
    EXPECT_EQ(selection->start(), paragraph->start());
    // The next heading comes later; past the last one the last is reached again.
    int last = paragraph->start();
    for (int i = 0; i < 20; ++i) {
        auto next = selection->goToNext(kGoToHeading);
        ASSERT_NE(next, nullptr);
        if (next->start() == last) break;
        EXPECT_GT(next->start(), last);
        last = next->start();
    }
    EXPECT_EQ(selection->goToNext(kGoToHeading)->start(), last);
    // Home and End of a line stay inside the paragraph.
    selection->goToFirst(kGoToHeading);
    selection->endKey(kUnitLine, kMove);
    EXPECT_EQ(selection->start(), paragraph->end() - 1);
    selection->homeKey(kUnitLine, kExtend);
    EXPECT_EQ(selection->start(), paragraph->start());
    EXPECT_EQ(selection->information(kInfoWithInTable), kInfoFalse);
    document->close(false);
}

TEST_F(OfficeDocuments, TableCellsHavePositionsOfTheirOwn) {
    auto document = open("oxpt__HC031-Complicated-Document.docx");
    ASSERT_NE(document, nullptr);
    auto selection = test::shared_office().selection();
    selection->homeKey(kUnitStory, kMove);
    selection->endKey(kUnitStory, kExtend);
    auto all = selection->range()->paragraphs();
    ASSERT_GT(all->count(), 10);
    int tableParagraphs = 0;
    int previousEnd = 0;
    for (int i = 1; i <= all->count(); ++i) {
        SCOPED_TRACE(i);
        auto range = all->item(i)->range();
        EXPECT_EQ(range->start(), previousEnd);
        previousEnd = range->end();
        range->select();
        EXPECT_EQ(selection->start(), range->start());
        selection->collapse(kCollapseStart);
        tableParagraphs += selection->information(kInfoWithInTable) == kInfoTrue ? 1 : 0;
    }
    EXPECT_GT(tableParagraphs, 0);
    document->close(false);
}

// Paragraph lengths are read from the whole text in one call where that is
// unambiguous, else paragraph by paragraph: either way each is its own.
TEST_F(OfficeDocuments, ParagraphLengthsAreThoseOfTheParagraphs) {
    test::TempDir dir;
    struct Case {
        const char* name;
        std::string path;
        std::optional<bool> oneCall;
    };
    auto made = [&](const std::string& name, const std::string& markdown) {
        const std::string source = dir.file(name + ".md");
        const std::string docx = dir.file(name + ".docx");
        std::ofstream(source) << markdown;
        test::run_output("pandoc -o '" + docx + "' '" + source + "' && echo ok");
        return docx;
    };
    const Case cases[] = {
        {"plain paragraphs", made("plain", "# Title\n\nFirst paragraph.\n\nSecond one, longer.\n"), true},
        {"a line break inside a paragraph",
         made("breaks", "# Title\n\nFirst line\\\nsecond line.\n\nAfter it.\n"), false},
        {"tables", corpus("oxpt__HC031-Complicated-Document.docx"), false},
        {"a .doc with fields", corpus("poi__53379.doc"), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto document = test::shared_office().documents()->open(c.path, {});
        ASSERT_NE(document, nullptr);
        ParagraphMap& map = dynamic_cast<OfficeDocument&>(*document).session()->map();
        if (c.oneCall) {
            EXPECT_EQ(map.measuredInOneCall(), *c.oneCall);
        }
        int checked = 0;
        int previousEnd = 0;
        for (const auto& entry : map.entries()) {
            EXPECT_EQ(entry.start, previousEnd);
            previousEnd = entry.end();
            if (entry.complex) continue;  // counted by portions
            EXPECT_EQ(entry.length, entry.paragraph->getString().getLength());
            ++checked;
        }
        EXPECT_GT(checked, 2);
        document->close(false);
    }
}

// Each paragraph's outline level, from its style or set on it, and the list
// number the reader sees before it.
TEST_F(OfficeDocuments, ParagraphsGiveTheirOutlineLevelAndListNumber) {
    const std::string path = std::string(std::getenv("VANE_SOURCE_DIR")) + "/tests/data/docs/outline-levels.docx";
    auto document = test::shared_office().documents()->open(path, {});
    ASSERT_NE(document, nullptr);
    document->activate();
    auto selection = test::shared_office().selection();
    selection->homeKey(kUnitStory, kMove);
    selection->endKey(kUnitStory, kExtend);
    auto paragraphs = selection->range()->paragraphs();
    ASSERT_NE(paragraphs, nullptr);
    struct Seen {
        std::string text;
        int level;
        std::string label;
    };
    std::vector<Seen> seen;
    for (int i = 1; i <= paragraphs->count(); ++i) {
        auto paragraph = paragraphs->item(i);
        std::string text = paragraph->range()->text();
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
        if (text.size() > 30) continue;  // the filler paragraphs
        seen.push_back({text, paragraph->outlineLevel(), paragraph->listString()});
    }
    const std::vector<std::tuple<std::string, int, std::string>> expected = {
        {"Annual report", 6, ""},        {"Financial year 2026", 6, ""}, {"History", 1, "2 "},
        {"Origins", 2, "2.1 "},          {"Growth", 2, "2.2 "},          {"Accounts", 1, "3 "},
        {"Appendix", 1, "4 "},           {"Method note", 2, "4.1 "},
    };
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(std::get<0>(expected[i]));
        EXPECT_EQ(seen[i].text, std::get<0>(expected[i]));
        EXPECT_EQ(seen[i].level, std::get<1>(expected[i]));
        EXPECT_EQ(seen[i].label, std::get<2>(expected[i]));
    }
    document->close(false);
}

// Headings that open with a table-of-contents entry mark (a TC field as
// imported): the mark takes a position of its own, so the heading's text
// must still be read to its last character.
TEST_F(OfficeDocuments, HeadingsOpeningWithAContentsMarkAreReadWhole) {
    const std::string path = std::string(std::getenv("VANE_SOURCE_DIR")) + "/tests/data/docs/toc-marks.docx";
    auto document = test::shared_office().documents()->open(path, {});
    ASSERT_NE(document, nullptr);
    document->activate();
    auto selection = test::shared_office().selection();
    std::vector<std::string> titles;
    int last = -1;
    for (auto range = selection->goToFirst(kGoToHeading); range; range = selection->goToNext(kGoToHeading)) {
        if (range->start() <= last) break;
        last = range->start();
        auto paragraph = range->paragraphs()->first();
        ASSERT_NE(paragraph, nullptr);
        std::string text = paragraph->range()->text();
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
        // The mark shows as nothing or as a blank.
        while (!text.empty() && text.front() == ' ') text.erase(0, 1);
        titles.push_back(text);
    }
    const std::vector<std::string> expected = {"Effects of Adjusting Spacecraft Time", "Avoid Unsorted ATS Loads",
                                               "Naming Conventions"};
    EXPECT_EQ(titles, expected);
    document->close(false);
}

TEST_F(OfficeDocuments, BookmarksAreReachedByName) {
    auto document = open("docx4j__Bookmark_crossrefs.docx");
    ASSERT_NE(document, nullptr);
    auto selection = test::shared_office().selection();
    auto target = selection->goToBookmark("targetBM");
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(selection->start(), target->start());
    EXPECT_FALSE(target->text().empty());
    EXPECT_THROW(selection->goToBookmark("no such bookmark"), WordError);
    document->close(false);
}

TEST_F(OfficeDocuments, HtmlExportKeepsHeadingsAndBookmarkAnchors) {
    test::TempDir dir;
    auto document = open("aspose__Rendering.docx");
    ASSERT_NE(document, nullptr);
    // Walk the headings first: the export must not lose anchors for it.
    auto selection = test::shared_office().selection();
    for (auto range = selection->goToFirst(kGoToHeading); range; range = selection->goToNext(kGoToHeading)) {
        selection->startOf(kUnitParagraph, kMove);
        selection->endOf(kUnitParagraph, kExtend);
        if (selection->range()->paragraphs()->count() == 0) break;
        if (selection->information(kInfoVerticalPosition) < 0) break;
        static int guard = 0;
        if (++guard > 50) break;
    }
    document->saveAs(dir.file("out.html"), kFormatFilteredHtml, true);
    EXPECT_THROW(document->saveAs(dir.file("out.rtf"), 6, true), WordError);
    document->close(false);
    const std::string html = test::read_file(dir.file("out.html"));
    EXPECT_NE(html.find("<h1"), std::string::npos);
    EXPECT_TRUE(std::regex_search(html, std::regex(R"(<a name="_Toc76372684")")));
}

// A generated reference manual whose bookmarks sit on titles that recur
// ("Macros", "#include ...") or between two paragraphs: every link of the
// export reaches an anchor, each on its own heading.
TEST_F(OfficeDocuments, HtmlExportAnchorsEveryLinkedBookmarkOfRepeatedTitles) {
    test::TempDir dir;
    auto document = test::shared_office().documents()->open(
        test::shared_dir() + "/corpus/wide/nasa-md__MD_DevelopersGuide.docx", {});
    ASSERT_NE(document, nullptr);
    document->saveAs(dir.file("out.html"), kFormatFilteredHtml, true);
    document->close(false);
    const std::string html = test::read_file(dir.file("out.html"));
    EXPECT_EQ(HtmlAnchorRepair::missingTargets(html), std::vector<std::string>{});
    // Each anchor sits first in its own title (past the marks the export
    // writes for empty fields): the fifth of the "Macros" headings, and the
    // headings that bookmarks set between two paragraphs belong to.
    const struct {
        const char* name;
        const char* element;  // its opening tag's start
        const char* text;     // the title's text up to its next tag
    } expected[] = {{"AAAAAAAAEI", "<h3", "Macros"},
                    {"AAAAAAAABI", "<h4", "#define MD_BAD_CMD_CODE&nbsp; (-1)"},
                    {"AAAAAAAABJ", "<h4", "#define MD_BAD_MSG_ID&nbsp; (-2)"},
                    {"AAAAAAAABU", "<p", ""}};  // its text comes in a <font>
    for (const auto& want : expected) {
        SCOPED_TRACE(want.name);
        const std::size_t at = html.find(std::string("<a name=\"") + want.name + "\"></a>");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(html.compare(html.rfind('<', at - 1), std::strlen(want.element), want.element), 0);
        std::size_t text = html.find("</a>", at) + 4;
        while (text < html.size() && static_cast<unsigned char>(html[text]) < 0x20) ++text;
        EXPECT_EQ(html.substr(text, html.find('<', text) - text), want.text);
    }
    int macrosBefore = 0;
    for (std::size_t at = html.find("Macros</h3>"); at < html.find("\"AAAAAAAAEI\"");
         at = html.find("Macros</h3>", at + 1))
        ++macrosBefore;
    EXPECT_EQ(macrosBefore, 4);
}

TEST_F(OfficeDocuments, PrintOutRunsTheOfficesPdfWithLandscapePagesTurned) {
    test::TempDir dir;
    auto document = open("aspose__Rendering.docx");
    ASSERT_NE(document, nullptr);
    PrintOptions options;
    options.outputFileName = dir.file("printed.ps");
    options.pdfFileName = dir.file("printed (1).pdf");
    options.preparePdf = [](const std::string& pdfPath, const std::string& outputPath) {
        PrintedPdf(pdfPath).print(outputPath);
    };
    document->printOut(options);
    document->close(false);
    // The printed file is the landscape page's mark and the line that runs
    // the PDF; nothing else is left.
    EXPECT_EQ(test::read_file(dir.file("printed.ps")),
              "[ {Page5} << /Rotate 270 >> /PUT pdfmark\n(" + dir.file("printed \\(1\\).pdf") + ") run\n");
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(dir.path()))
        files += item.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 2);
    const std::string printedInfo =
        test::run_output("pdfinfo -f 5 -l 5 '" + options.pdfFileName + "' 2>/dev/null");
    EXPECT_TRUE(std::regex_search(printedInfo, std::regex(R"(Page +5 rot: +90)"))) << printedInfo;

    // The producer reads it under -dSAFER (the test folder lies in the
    // temporary folder, as the printed PDF of a run does).
    const std::string pdf = dir.file("out.pdf");
    test::run_output("gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite -sOutputFile='" + pdf + "' '" +
                     dir.file("printed.ps") + "' 2>&1");
    const std::string text = test::run_output("pdftotext '" + pdf + "' - 2>/dev/null");
    EXPECT_NE(text.find("Paragraph Formatting"), std::string::npos) << text.substr(0, 300);
    const std::string info = test::run_output("pdfinfo -f 1 -l 6 '" + pdf + "' 2>/dev/null");
    EXPECT_NE(info.find("Pages:           6"), std::string::npos) << info;
    // Every page on portrait paper; the landscape one displays turned.
    const std::regex size(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+))");
    for (auto it = std::sregex_iterator(info.begin(), info.end(), size); it != std::sregex_iterator(); ++it) {
        SCOPED_TRACE((*it)[1].str());
        EXPECT_LT(std::stod((*it)[2]), std::stod((*it)[3]));
    }
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Page +5 rot: +270)"))) << info;
}

// The office only exports: without a preparation the PDF (beside the output
// when none is named) is all a print writes; a preparation that fails takes
// the PDF with it.
TEST_F(OfficeDocuments, PrintOutExportsThePdfAndLeavesItsPreparationToTheCaller) {
    test::TempDir dir;
    auto document = open("aspose__Rendering.docx");
    ASSERT_NE(document, nullptr);
    PrintOptions options;
    options.outputFileName = dir.file("a.ps");
    document->printOut(options);
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.ps")));
    EXPECT_EQ(test::read_file(dir.file("a.ps.printed.pdf")).rfind("%PDF-", 0), 0u);

    std::string handed;
    options.outputFileName = dir.file("b.ps");
    options.pdfFileName = dir.file("b.pdf");
    options.preparePdf = [&](const std::string& pdfPath, const std::string& outputPath) {
        handed = pdfPath + " > " + outputPath;
        throw std::runtime_error("the preparation failed");
    };
    EXPECT_ANY_THROW(document->printOut(options));
    document->close(false);
    EXPECT_EQ(handed, dir.file("b.pdf") + " > " + dir.file("b.ps"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("b.pdf")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("b.ps")));
}

TEST_F(OfficeDocuments, ApplicationProperties) {
    Application& app = test::shared_office();
    EXPECT_EQ(app.version().rfind("7.", 0), 0u) << app.version();
    const std::string previous = app.activePrinter();
    app.setActivePrinter("Folivane");
    EXPECT_EQ(app.activePrinter(), "Folivane");
    app.setActivePrinter(previous);
    EXPECT_EQ(app.activePrinter(), previous);
    auto document = open("pandoc__headers.docx");
    ASSERT_NE(document, nullptr);
    EXPECT_THROW(document->unprotect(""), WordError);
    auto view = document->activeWindow()->activePane()->view();
    view->setType(kViewPrintLayout);
    view->setSeekView(kSeekMainDocument);
    document->activate();
    document->repaginate();
    document->close(false);
    EXPECT_THROW(document->repaginate(), WordError);
}

// A closed document answers every call with a WordError, which the commands
// report with its description.
TEST_F(OfficeDocuments, ClosedDocumentCallsAreWordErrors) {
    auto document = open("pandoc__headers.docx");
    ASSERT_NE(document, nullptr);
    document->close(false);
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"Repaginate", [&] { document->repaginate(); }},
        {"Hyperlinks", [&] { document->hyperlinks(); }},
        {"Shapes", [&] { document->shapes(); }},
        {"Footnotes", [&] { document->footnotes(); }},
        {"Sections", [&] { document->sections(); }},
        {"Styles", [&] { document->styles(); }},
        {"PageSetup", [&] { document->pageSetup(); }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        EXPECT_THROW(call(), WordError);
    }
}

}  // namespace
}  // namespace vane
