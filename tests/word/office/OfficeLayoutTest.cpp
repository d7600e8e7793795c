// Pages and heading positions read through the automation surface, checked
// against the office's own PDF rendering of the same loaded document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "OfficeTestSupport.h"
#include "TempDir.h"
#include "word/office/OfficeDocument.h"

namespace vane {
namespace {

using namespace word;

struct Heading {
    int start = 0;
    int page = 0;
    double y = 0;
    std::string title;
};

struct Layout {
    std::vector<int> pageStarts;
    std::vector<std::string> startTexts;  // some text from each page's start, up to the next page
    std::vector<double> widths, heights;
    std::vector<Heading> headings;
};

int page_of(const std::vector<int>& starts, int position) {
    int page = 1;
    while (page < static_cast<int>(starts.size()) && position >= starts[static_cast<std::size_t>(page)])
        ++page;
    return page;
}

// The first word of three letters or more of `text`, in capitals.
std::string first_word(const std::string& text) {
    std::string word;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            continue;
        }
        if (word.size() >= 3) return word;
        word.clear();
    }
    return word.size() >= 3 ? word : std::string();
}

// Page starts known to name text the page does not show.
bool known_start_fault(const std::string& path, int page) {
    static const std::pair<const char*, int> faults[] = {
        // The page opens with a table in a frame; its start is on text the
        // PDF shows at the foot of the page before.
        {"poi__53379.doc", 18},
        // The page starts on web-page control labels the PDF does not show.
        {"poi__bug59058.docx", 49},
    };
    for (const auto& [name, number] : faults) {
        if (page == number && path.find(name) != std::string::npos) return true;
    }
    return false;
}

// The page walk and the heading walk, as the publishing commands make them.
Layout walk(Application& app) {
    Layout layout;
    auto selection = app.selection();
    auto range = selection->goTo(kGoToPage, kGoToFirst, std::nullopt, {});
    for (int last = -1, next = 2; range; ++next) {
        const int start = range->start();
        if (start == last) break;
        last = start;
        layout.pageStarts.push_back(start);
        auto setup = range->pageSetup();
        layout.widths.push_back(setup->pageWidth());
        layout.heights.push_back(setup->pageHeight());
        selection->moveEnd(kUnitCharacter, 60);
        layout.startTexts.push_back(selection->range()->text());
        range = selection->goToPage(next);
    }
    // Only the text on the page itself.
    for (std::size_t i = 0; i + 1 < layout.pageStarts.size(); ++i) {
        const auto own =
            static_cast<std::size_t>(std::max(0, layout.pageStarts[i + 1] - layout.pageStarts[i]));
        if (layout.startTexts[i].size() > own) layout.startTexts[i].resize(own);
    }
    range = selection->goToFirst(kGoToHeading);
    for (int last = -1; range;) {
        selection->startOf(kUnitParagraph, kMove);
        selection->endOf(kUnitParagraph, kExtend);
        const int start = range->start();
        if (start == last) break;
        last = start;
        Heading heading;
        heading.start = start;
        heading.page = page_of(layout.pageStarts, start);
        heading.y = selection->information(kInfoVerticalPosition);
        heading.title = test::heading_title(selection->range()->text());
        layout.headings.push_back(heading);
        range = selection->goToNext(kGoToHeading);
    }
    return layout;
}

std::string first_words(const std::string& title, int words) {
    std::string out;
    int count = 0;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if (title[i] == ' ') {
            if (!out.empty() && out.back() != ' ' && ++count == words) break;
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        out += title[i];
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The rows of a page: the text's lines with the same top joined left to
// right (the PDF reader cuts a justified line into a line per word group).
std::vector<test::PdfLine> rows_of(const test::PdfPage& page) {
    std::vector<test::PdfLine> lines = page.lines;
    std::stable_sort(lines.begin(), lines.end(),
                     [](const test::PdfLine& a, const test::PdfLine& b) { return a.xMin < b.xMin; });
    std::vector<test::PdfLine> rows;
    for (const test::PdfLine& line : lines) {
        auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const test::PdfLine& r) { return std::fabs(r.yMin - line.yMin) < 0.5; });
        if (row == rows.end()) {
            rows.push_back(line);
            continue;
        }
        row->text += " " + line.text;
        row->xMax = std::max(row->xMax, line.xMax);
        row->yMax = std::max(row->yMax, line.yMax);
    }
    return rows;
}

// The PDF row showing `title` on `page` nearest to `y`; nothing when none.
std::optional<test::PdfLine> find_line(const std::vector<test::PdfPage>& pdf, int page,
                                       const std::string& title, double y) {
    if (page < 1 || page > static_cast<int>(pdf.size())) return std::nullopt;
    // Compared in capitals: a style may show its headings in capitals.
    const std::string key = upper(first_words(title, 3));
    if (key.empty()) return std::nullopt;
    std::optional<test::PdfLine> best;
    for (const auto& line : rows_of(pdf[static_cast<std::size_t>(page - 1)])) {
        if (upper(line.text).find(key) == std::string::npos) continue;
        if (!best || std::fabs(line.yMin - y) < std::fabs(best->yMin - y)) best = line;
    }
    return best;
}

class OfficeLayout : public ::testing::Test {
protected:
    static void TearDownTestSuite() { test::quit_shared_office(); }
};

// Documents whose first page opens with text boxes (a cover page): the
// layout's cursor starts that page inside a box, outside the main text. The
// pages must still start on main text, each after the one before, and every
// heading lie on the page that shows it.
TEST_F(OfficeLayout, PagesAfterACoverPageOfTextBoxesStartOnTheirText) {
    struct Case {
        const char* name;
        std::size_t headings;
    };
    const Case cases[] = {{"tika__testWORD_2006ml.docx", 3}};
    Application& app = test::shared_office();
    test::TempDir dir;
    for (const Case& c : cases) {
        const std::string path = test::shared_dir() + "/corpus/public/" + c.name;
        SCOPED_TRACE(path);
        auto document = app.documents()->open(path, {});
        ASSERT_NE(document, nullptr);
        document->acceptAllRevisions();
        document->repaginate();
        const std::string pdfPath = dir.file("cover.pdf");
        dynamic_cast<OfficeDocument&>(*document).exportPdf(pdfPath);
        const Layout layout = walk(app);
        const auto pdf = test::read_pdf_layout(pdfPath);
        ASSERT_EQ(layout.pageStarts.size(), pdf.size());
        EXPECT_EQ(layout.pageStarts.front(), 0);
        // The last page may hold only notes (past the text); the others hold text.
        for (std::size_t i = 1; i + 1 < layout.pageStarts.size(); ++i) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            EXPECT_GT(layout.pageStarts[i], layout.pageStarts[i - 1]);
            EXPECT_FALSE(layout.startTexts[i].empty());
        }
        ASSERT_EQ(layout.headings.size(), c.headings);
        for (const Heading& heading : layout.headings) {
            SCOPED_TRACE("heading \"" + heading.title + "\" on page " + std::to_string(heading.page));
            EXPECT_GT(heading.page, 1);
            EXPECT_TRUE(find_line(pdf, heading.page, heading.title, heading.y).has_value());
        }
        document->close(false);
    }
}

TEST_F(OfficeLayout, PagesAndHeadingsMatchTheOfficesOwnRendering) {
    Application& app = test::shared_office();
    test::TempDir dir;
    double worst = 0;
    std::string worstWhere;
    int headings = 0, matched = 0;
    int startsChecked = 0, startsMissed = 0;
    std::vector<double> errors;  // PDF minus office, points
    for (const std::string& path : test::corpus_documents()) {
        SCOPED_TRACE(path);
        const auto started = std::chrono::steady_clock::now();
        auto document = app.documents()->open(path, {});
        ASSERT_NE(document, nullptr);
        document->acceptAllRevisions();
        document->repaginate();
        const std::string pdfPath = dir.file("rendered.pdf");
        dynamic_cast<OfficeDocument&>(*document).exportPdf(pdfPath);
        const Layout layout = walk(app);
        const auto pdf = test::read_pdf_layout(pdfPath);

        EXPECT_EQ(layout.pageStarts.size(), pdf.size());
        for (std::size_t i = 0; i < std::min(pdf.size(), layout.pageStarts.size()); ++i) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            EXPECT_NEAR(layout.widths[i], pdf[i].width, 0.5);
            EXPECT_NEAR(layout.heights[i], pdf[i].height, 0.5);
            if (i > 0) {
                EXPECT_GT(layout.pageStarts[i], layout.pageStarts[i - 1]);
            }
            // The page shows the text its start position names (compared
            // without spaces: the PDF reader splits words at size changes).
            const std::string word = first_word(layout.startTexts[i]);
            if (!word.empty()) {
                ++startsChecked;
                std::string shown;
                for (const auto& row : rows_of(pdf[i])) shown += upper(row.text);
                shown.erase(std::remove(shown.begin(), shown.end(), ' '), shown.end());
                if (shown.find(word) == std::string::npos &&
                    !known_start_fault(path, static_cast<int>(i) + 1)) {
                    ++startsMissed;
                    std::printf("  page %zu of %s does not show \"%s\"\n", i + 1, path.c_str(), word.c_str());
                }
            }
        }
        for (const Heading& heading : layout.headings) {
            if (heading.title.find_first_not_of(' ') == std::string::npos) continue;
            SCOPED_TRACE("heading \"" + heading.title + "\" on page " + std::to_string(heading.page));
            ++headings;
            const auto line = find_line(pdf, heading.page, heading.title, heading.y);
            if (!line) {
                // Text the PDF shows differently (symbols, fields): say so, but
                // a heading found on one other page is on a wrong page (text
                // found on several is a running header as well).
                std::vector<int> others;
                for (int other = 1; other <= static_cast<int>(pdf.size()); ++other) {
                    if (find_line(pdf, other, heading.title, heading.y)) others.push_back(other);
                }
                EXPECT_NE(others.size(), 1u) << "found on page " << others.front();
                std::printf("  unmatched: %s p%d \"%s\"\n", path.c_str(), heading.page,
                            heading.title.c_str());
                continue;
            }
            ++matched;
            const double error = std::fabs(line->yMin - heading.y);
            errors.push_back(line->yMin - heading.y);
            // The position is the top of the heading's text, also where its
            // line is taller than the text (an at-least line height, the
            // lines of a page grid). Glyph tops of some fonts reach a little
            // above the text's top as the office lays it out.
            EXPECT_LE(error, 1.1) << "office " << heading.y << " pdf " << line->yMin;
            if (error > 1.0)
                std::printf("  over 1 pt: %s \"%s\" %.2f\n", path.c_str(), heading.title.c_str(),
                            line->yMin - heading.y);
            if (error > worst) {
                worst = error;
                worstWhere = path + " \"" + heading.title + "\"";
            }
        }
        document->close(false);
        std::printf("%-60s pages %3zu headings %3zu  %.2f s\n", path.substr(path.rfind('/') + 1).c_str(),
                    layout.pageStarts.size(), layout.headings.size(),
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    std::printf("headings %d, matched in the PDF %d, worst vertical error %.3f pt (%s)\n", headings, matched,
                worst, worstWhere.c_str());
    int within[4] = {};
    for (const double e : errors) {
        const double a = std::fabs(e);
        within[a <= 0.5 ? 0 : a <= 1 ? 1 : a <= 2 ? 2 : 3]++;
    }
    std::printf("errors: <=0.5 pt %d, (0.5,1] pt %d, (1,2] pt %d, more %d\n", within[0], within[1], within[2],
                within[3]);
    std::printf("page starts checked against the PDF %d, not shown on their page %d\n", startsChecked,
                startsMissed);
    EXPECT_EQ(startsMissed, 0);
    // Headings the PDF shows differently (symbols, a style's own text) are not matched.
    EXPECT_GE(matched * 100, headings * 97);
    // Measured: 237 of 253 within 0.5 pt, none beyond 1.06 pt.
    EXPECT_GE(within[0] * 100, static_cast<int>(errors.size()) * 90);
}

}  // namespace
}  // namespace vane
