// Documents whose sections have pages of different sizes, published with the
// real office: every page of the PDF has the size the office gives it, and
// every outline destination and link lies on its page.
#define POINTERHOLDER_TRANSITION 4
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "OfficePublisher.h"

namespace vane::test {
namespace {

// The producer rounds a media box to whole points.
constexpr double kSizeSlack = 1.5;

std::string doc_path(const std::string& name) {
    if (name.rfind("wide:", 0) == 0) return shared_dir() + "/corpus/wide/" + name.substr(5);
    return source_dir() + "/" + name;
}

std::size_t count_of(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

struct SizeCase {
    const char* document;
    std::size_t minOutline;  // the navigation must not be lost along the way
    std::size_t minLinks;
    bool dropsNothing;  // our own fixtures: nothing should have to be dropped
};

const SizeCase kCases[] = {
    {"tests/data/docs/letter-a4.docx", 18, 40, true},  // Letter, A4, Letter; all portrait
    {"tests/data/docs/a4-a5.docx", 18, 30, true},      // A4, A5 landscape, A4
    // Letter portrait and Tabloid landscape sections.
    {"wide:nasa-hs__HS_V2_3_0_0_TestReport.docx", 20, 20, false},
    // Letter landscape and portrait sections with a contents table and footnotes.
    {"wide:oxsdk__Document.docx", 8, 8, false},
};

class D2pPageSize : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        publisher_ = new OfficePublisher();
        notReady_ = publisher_->start();
    }
    static void TearDownTestSuite() {
        delete publisher_;
        publisher_ = nullptr;
    }
    void SetUp() override {
        if (notReady_.rfind("no word processor", 0) == 0) GTEST_SKIP() << notReady_;
        ASSERT_TRUE(notReady_.empty()) << notReady_;
    }

    static inline OfficePublisher* publisher_ = nullptr;
    static inline std::string notReady_;
};

TEST_F(D2pPageSize, PagesKeepTheirSizeAndMarksStayOnThem) {
    int stem = 0;
    for (const SizeCase& c : kCases) {
        SCOPED_TRACE(c.document);
        const OfficePublisher::Result r =
            publisher_->publish(doc_path(c.document), "doc" + std::to_string(++stem));
        ASSERT_EQ(r.status, 0) << r.log;
        ASSERT_FALSE(r.pdf.empty()) << r.log;
        ASSERT_FALSE(r.officePdf.empty()) << "the office did not export the document";
        const PdfReadBack ours = read_marks(r.pdf);
        const PdfReadBack office = read_marks(r.officePdf);

        // Every page's size is known: none falls back on the document's "undefined".
        EXPECT_EQ(r.log.find("has no known size"), std::string::npos) << r.log;
        ASSERT_EQ(ours.pages.size(), office.pages.size());
        for (std::size_t i = 0; i < ours.pages.size(); ++i) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            const auto [w, h] = shown_size(ours.pages[i]);
            const auto [ow, oh] = shown_size(office.pages[i]);
            EXPECT_NEAR(w, ow, kSizeSlack);
            EXPECT_NEAR(h, oh, kSizeSlack);
        }

        EXPECT_GE(ours.outline.size(), c.minOutline);
        EXPECT_GE(ours.links.size(), c.minLinks);
        const std::vector<OffPageMark> offPage = off_page_marks(ours);
        for (const OffPageMark& mark : offPage) ADD_FAILURE() << describe(mark);
        const std::size_t dropped = count_of(r.log, " dropped: ");
        if (c.dropsNothing) {
            EXPECT_EQ(dropped, 0u) << r.log;
        }
        std::printf(
            "[ measured ] %s: %zu pages, %zu outline entries, %zu links, %zu marks dropped off-page\n",
            c.document, ours.pages.size(), ours.outline.size(), ours.links.size(), dropped);
    }
}

}  // namespace
}  // namespace vane::test
