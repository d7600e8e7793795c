// d2p -r with the real office on tests/data/docs/cross-references.docx (made
// by tests/data/docs/make_reference_docs.py), read back from the PDF: each
// cross-reference, footnote mark and endnote mark is a link over its own text
// to the page of its target, and each note's number leads back to its mark.
#define POINTERHOLDER_TRANSITION 4
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "OfficePublisher.h"

namespace vane::test {
namespace {

// source page, destination page, the text the link covers (blanks left out)
using Seen = std::tuple<int, int, std::string>;

class D2pCrossReferencesOffice : public ::testing::Test {
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
    static std::string fixture() { return source_dir() + "/tests/data/docs/cross-references.docx"; }

    static inline OfficePublisher* publisher_ = nullptr;
    static inline std::string notReady_;
};

TEST_F(D2pCrossReferencesOffice, WithoutTheOptionTheDocumentHasNoLinks) {
    const OfficePublisher::Result r = publisher_->publish(fixture(), "plain", false);
    ASSERT_EQ(r.status, 0) << r.log;
    ASSERT_FALSE(r.pdf.empty()) << r.log;
    EXPECT_TRUE(read_marks(r.pdf).links.empty());
}

TEST_F(D2pCrossReferencesOffice, ReferencesAndNoteMarksLinkToTheirTargetsAndBack) {
    const OfficePublisher::Result r = publisher_->publish(fixture(), "linked", false, "-r");
    ASSERT_EQ(r.status, 0) << r.log;
    ASSERT_FALSE(r.pdf.empty()) << r.log;
    TempDir scratch;
    const PdfReadBack pdf = read_back(r.pdf, scratch.file("unrotated.pdf"));
    ASSERT_EQ(pdf.pages.size(), 4u) << "three pages of text, then the endnotes";
    EXPECT_TRUE(off_page_marks(pdf).empty());

    // Link rectangles are written in whole points; the text lies where the
    // office's own PDF puts it, so a narrow glyph ("i") can sit up to a point
    // past its rectangle's edge.
    constexpr double kRectUnit = 1.0;
    std::vector<Seen> seen;
    for (const PdfLink& link : pdf.links) {
        ASSERT_GE(link.page, 1);
        ASSERT_LE(link.page, 4);
        const PdfPage& page = pdf.pages[static_cast<std::size_t>(link.page - 1)];
        seen.emplace_back(link.page, link.destPage,
                          squeeze_blanks(text_of(glyphs_inside(page, link.rect, kRectUnit))));
    }
    std::sort(seen.begin(), seen.end());
    // The office keeps no trace of a reference field's "\h": the one written
    // without it is linked too, as in the office's own export. The reference
    // to a bookmark the document lacks has nowhere to go and no link.
    const std::vector<Seen> expected = {
        {1, 1, "1"},        // footnote 1's mark, to its note at the page's foot
        {1, 1, "1"},        // footnote 1's number, back to the mark
        {1, 1, "2"},        // footnote 2's mark
        {1, 1, "2"},        // and its number
        {1, 3, "3"},        // PAGEREF \h: the heading's page number
        {1, 3, "Results"},  // REF \h
        {1, 3, "Results"},  // REF without \h
        {1, 4, "i"},        // endnote 1's mark, to the endnotes page
        {2, 2, "3"},        // footnote 3's mark, on page 2
        {2, 2, "3"},        // and its number
        {2, 3, "Results"},  // REF \h in footnote 3's text
        // A reference whose result breaks over a line end: one link per line,
        // each over its own part of the result.
        {2, 3, "Resultsofthemeasurements"},
        {2, 3, "overthewholeseason"},
        {3, 4, "ii"},  // endnote 2's mark
        {4, 1, "i"},   // the endnotes' numbers, back to their marks
        {4, 3, "ii"},  // the second one's
    };
    EXPECT_EQ(seen, expected);
}

// A right-to-left page (tests/data/docs/rtl-notes.docx): each link lies over
// its own glyphs, the note numbers' links over the numbers drawn at the right
// end of the notes' first lines.
TEST_F(D2pCrossReferencesOffice, RightToLeftMarksNumbersAndLinksLieOverTheirText) {
    const OfficePublisher::Result r =
        publisher_->publish(source_dir() + "/tests/data/docs/rtl-notes.docx", "rtl", false, "-r");
    ASSERT_EQ(r.status, 0) << r.log;
    ASSERT_FALSE(r.pdf.empty()) << r.log;
    TempDir scratch;
    const PdfReadBack pdf = read_back(r.pdf, scratch.file("unrotated.pdf"));
    ASSERT_EQ(pdf.pages.size(), 1u);
    EXPECT_TRUE(off_page_marks(pdf).empty());

    std::vector<std::string> notes;  // mark or number, in page order
    std::vector<std::string> urls;   // one per line of a web link
    for (const PdfLink& link : pdf.links) {
        ASSERT_EQ(link.page, 1);
        const std::string text = squeeze_blanks(text_of(glyphs_inside(pdf.pages[0], link.rect, 0.5)));
        EXPECT_FALSE(text.empty()) << "a link over no glyph: " << link.uri << " left " << link.rect.left
                                   << " right " << link.rect.right;
        if (link.uri.empty()) {
            notes.push_back(text);
        } else {
            urls.push_back(link.uri);
        }
    }
    // The marks in the first line, then the numbers at the page's foot,
    // each link over its digit alone.
    std::sort(notes.begin(), notes.end());
    EXPECT_EQ(notes, (std::vector<std::string>{"1", "1", "2", "2"}));
    std::sort(urls.begin(), urls.end());
    EXPECT_EQ(urls, (std::vector<std::string>{"https://example.com/second", "https://example.com/second",
                                              "https://example.com/site"}));
}

// A right-to-left document with a comment (wide/poi__stress010.docx, 180
// pages, 11 footnotes): the office shows the comment in a margin left of its
// pages, which must not move the measured links off their digits.
TEST_F(D2pCrossReferencesOffice, RightToLeftNotesBesideACommentLinkTheirDigits) {
    const std::string source = shared_dir() + "/corpus/wide/poi__stress010.docx";
    if (!std::filesystem::exists(source)) GTEST_SKIP() << source << " is missing";
    const OfficePublisher::Result r = publisher_->publish(source, "stress", false, "-r");
    ASSERT_EQ(r.status, 0) << r.log;
    ASSERT_FALSE(r.pdf.empty()) << r.log;
    TempDir scratch;
    const PdfReadBack pdf = read_back(r.pdf, scratch.file("unrotated.pdf"));
    EXPECT_TRUE(off_page_marks(pdf).empty());
    // The digits under each link: a note's mark and its number both read as
    // the note's number (the brackets drawn beside them do not count).
    std::vector<int> numbers;
    for (const PdfLink& link : pdf.links) {
        ASSERT_TRUE(link.uri.empty());
        const PdfPage& page = pdf.pages[static_cast<std::size_t>(link.page - 1)];
        std::string digits;
        for (const char c : text_of(glyphs_inside(page, link.rect, 0.5))) {
            if (c >= '0' && c <= '9') digits += c;
        }
        ASSERT_FALSE(digits.empty()) << "page " << link.page << " left " << link.rect.left;
        numbers.push_back(std::stoi(digits));
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> expected;
    for (int n = 1; n <= 11; ++n) expected.insert(expected.end(), {n, n});
    EXPECT_EQ(numbers, expected);
}

}  // namespace
}  // namespace vane::test
