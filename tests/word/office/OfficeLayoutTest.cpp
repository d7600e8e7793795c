// Pages and heading positions read through the automation surface, checked
// against the office's own PDF rendering of the same loaded document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    std::vector<double> widths, heights;
    std::vector<Heading> headings;
};

int page_of(const std::vector<int>& starts, int position) {
    int page = 1;
    while (page < static_cast<int>(starts.size()) && position >= starts[static_cast<std::size_t>(page)])
        ++page;
    return page;
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
        range = selection->goToPage(next);
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

// The PDF line showing `title` on `page` nearest to `y`; null when none.
const test::PdfLine* find_line(const std::vector<test::PdfPage>& pdf, int page, const std::string& title,
                               double y) {
    if (page < 1 || page > static_cast<int>(pdf.size())) return nullptr;
    // Compared in capitals: a style may show its headings in capitals.
    const std::string key = upper(first_words(title, 3));
    if (key.empty()) return nullptr;
    const test::PdfLine* best = nullptr;
    for (const auto& line : pdf[static_cast<std::size_t>(page - 1)].lines) {
        if (upper(line.text).find(key) == std::string::npos) continue;
        if (best == nullptr || std::fabs(line.yMin - y) < std::fabs(best->yMin - y)) best = &line;
    }
    return best;
}

class OfficeLayout : public ::testing::Test {
protected:
    static void TearDownTestSuite() { test::quit_shared_office(); }
};

TEST_F(OfficeLayout, PagesAndHeadingsMatchTheOfficesOwnRendering) {
    Application& app = test::shared_office();
    test::TempDir dir;
    double worst = 0;
    std::string worstWhere;
    int headings = 0, matched = 0;
    std::vector<double> errors;  // PDF minus office, points
    for (const std::string& path : test::corpus_documents()) {
        SCOPED_TRACE(path);
        if (path.find("poi__bug59058.docx") != std::string::npos) {
            // Known fault: its body is one table whose rows run over several
            // pages; the view cannot stand on some of them and page starts
            // come out wrong. Left for the second office issue.
            std::printf("known fault, not checked: %s\n", path.c_str());
            continue;
        }
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
        }
        for (const Heading& heading : layout.headings) {
            if (heading.title.find_first_not_of(' ') == std::string::npos) continue;
            SCOPED_TRACE("heading \"" + heading.title + "\" on page " + std::to_string(heading.page));
            ++headings;
            const test::PdfLine* line = find_line(pdf, heading.page, heading.title, heading.y);
            if (line == nullptr) {
                // Text the PDF shows differently (symbols, fields): say so, but
                // a heading found on one other page is on a wrong page (text
                // found on several is a running header as well).
                std::vector<int> others;
                for (int other = 1; other <= static_cast<int>(pdf.size()); ++other) {
                    if (find_line(pdf, other, heading.title, heading.y) != nullptr) others.push_back(other);
                }
                EXPECT_NE(others.size(), 1u) << "found on page " << others.front();
                std::printf("  unmatched: %s p%d \"%s\"\n", path.c_str(), heading.page,
                            heading.title.c_str());
                continue;
            }
            ++matched;
            const double error = std::fabs(line->yMin - heading.y);
            errors.push_back(line->yMin - heading.y);
            // The position is the top of the heading's line. Its text starts
            // there, or lower where the line is taller than the text (at-least
            // spacing, a picture in the line): never more than 1 pt higher.
            // (Glyph tops of some fonts reach 0.1 pt above the line.)
            EXPECT_GE(line->yMin - heading.y, -1.1) << "office " << heading.y << " pdf " << line->yMin;
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
        within[a <= 0.5 ? 0 : a <= 1 ? 1 : a <= 3 ? 2 : 3]++;
    }
    std::printf("errors: <=0.5 pt %d, <=1 pt %d, <=3 pt %d, more %d\n", within[0], within[1], within[2],
                within[3]);
    EXPECT_GT(matched, headings * 9 / 10);
    // Measured: 84 % of the corpus headings within 1 pt; the rest sit in taller lines.
    EXPECT_GE(within[0] + within[1], static_cast<int>(errors.size()) * 80 / 100);
}

}  // namespace
}  // namespace vane
