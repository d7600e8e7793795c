// Shapes, footnotes, headers and footers read through the automation
// surface: the stories of their own that the link passes walk.
#include <gtest/gtest.h>

#include <com/sun/star/text/HoriOrientation.hpp>
#include <com/sun/star/text/RelOrientation.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <set>

#include "OfficeTestSupport.h"
#include "word/WordError.h"
#include "word/office/OfficeShape.h"

namespace vane {
namespace {

using namespace word;

std::string corpus(const std::string& name) {
    return test::shared_dir() + "/corpus/public/" + name;
}

class OfficeStories : public ::testing::Test {
protected:
    static void TearDownTestSuite() { test::quit_shared_office(); }

    std::unique_ptr<Document> open(const std::string& name) {
        auto document = test::shared_office().documents()->open(corpus(name), {});
        if (document) document->repaginate();
        return document;
    }
};

TEST(OfficeShapePosition, OfficeOrientationsBecomeTheWordProcessorsSpecialValues) {
    namespace Hori = css::text::HoriOrientation;
    namespace Vert = css::text::VertOrientation;
    namespace Rel = css::text::RelOrientation;
    const struct {
        int orient;
        float horizontal;
        float vertical;
    } positions[] = {
        {Hori::NONE, 36.0f, 36.0f},  // 1270 (1/100 mm) = 36 pt
        {Hori::CENTER, kShapeCenter, kShapeCenter},
        {Hori::LEFT, kShapeLeft, kShapeBottom},  // LEFT and BOTTOM share the value 3
        {Hori::RIGHT, kShapeRight, kShapeTop},   // RIGHT and TOP share the value 1
    };
    for (const auto& p : positions) {
        SCOPED_TRACE(p.orient);
        EXPECT_FLOAT_EQ(OfficeShape::horizontalPosition(p.orient, 1270), p.horizontal);
        EXPECT_FLOAT_EQ(OfficeShape::verticalPosition(p.orient, 1270), p.vertical);
    }
    const struct {
        int relation;
        int horizontal;
        int vertical;
    } references[] = {
        {Rel::PAGE_FRAME, kRelativePage, kRelativePage},
        {Rel::PAGE_PRINT_AREA, kRelativeMargin, kRelativeMargin},
        {Rel::FRAME, kRelativeColumn, kRelativeParagraph},
        {Rel::PRINT_AREA, kRelativeColumn, kRelativeParagraph},
    };
    for (const auto& r : references) {
        SCOPED_TRACE(r.relation);
        EXPECT_EQ(OfficeShape::horizontalReference(r.relation), r.horizontal);
        EXPECT_EQ(OfficeShape::verticalReference(r.relation), r.vertical);
    }
}

TEST_F(OfficeStories, FootnotesAreStoriesWithTheirLinks) {
    auto document = open("mammoth__footnote-hyperlink.docx");
    ASSERT_NE(document, nullptr);
    auto notes = document->footnotes();
    ASSERT_GE(notes->count(), 1);
    auto range = notes->item(1)->range();
    EXPECT_EQ(range->storyType(), kFootnotesStory);
    EXPECT_EQ(range->start(), 0);
    auto links = range->hyperlinks();
    ASSERT_EQ(links->count(), 1);
    EXPECT_FALSE(links->item(1)->address().empty());
    EXPECT_EQ(links->item(1)->range()->storyType(), kFootnotesStory);
    // The selection moves into the note and reports the page it is drawn on.
    links->item(1)->range()->select();
    auto selection = test::shared_office().selection();
    EXPECT_EQ(selection->range()->storyType(), kFootnotesStory);
    EXPECT_EQ(selection->information(kInfoActiveEndPageNumber), 1);
    EXPECT_THROW(notes->item(notes->count() + 1), WordError);
    document->close(false);
}

TEST_F(OfficeStories, TextBoxesAreShapesWithATextFrameAnchoredInTheMainText) {
    auto document = open("oxsdk__hyperlink-in_shapes.docx");
    ASSERT_NE(document, nullptr);
    auto shapes = document->shapes();
    int textBoxes = 0, links = 0;
    for (int i = 1; i <= shapes->count(); ++i) {
        auto shape = shapes->item(i);
        EXPECT_GT(shape->width(), 0);
        EXPECT_GT(shape->height(), 0);
        auto anchor = shape->anchor();
        EXPECT_EQ(anchor->storyType(), kMainTextStory);
        shape->select();
        EXPECT_EQ(test::shared_office().selection()->start(), anchor->start());
        if (shape->type() != kShapeTextBox) {
            EXPECT_THROW(shape->textFrame(), WordError);
            continue;
        }
        ++textBoxes;
        auto text = shape->textFrame()->textRange();
        EXPECT_EQ(text->storyType(), kTextFrameStory);
        links += text->hyperlinks()->count();
    }
    EXPECT_EQ(textBoxes, 1);
    EXPECT_EQ(links, 1);
    EXPECT_THROW(shapes->item(0), WordError);
    document->close(false);
}

TEST_F(OfficeStories, HeadersAndFootersOfEachKindAreTheirOwnStories) {
    auto document = open("docx4j__odd_even_different_first_page.docx");
    ASSERT_NE(document, nullptr);
    // The office makes the first page a page style of its own: still one section.
    ASSERT_EQ(document->sections()->count(), 1);
    auto setup = document->sections()->item(1)->pageSetup();
    EXPECT_TRUE(setup->differentFirstPageHeaderFooter());
    EXPECT_TRUE(setup->oddAndEvenPagesHeaderFooter());
    const struct {
        int index;
        int headerStory;
        int footerStory;
    } kinds[] = {
        {kHeaderFooterPrimary, kPrimaryHeaderStory, kPrimaryFooterStory},
        {kHeaderFooterFirstPage, kFirstPageHeaderStory, kFirstPageFooterStory},
        {kHeaderFooterEvenPages, kEvenPagesHeaderStory, kEvenPagesFooterStory},
    };
    std::set<std::string> headerTexts;
    auto section = document->sections()->item(1);
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.index);
        auto header = section->headers()->item(kind.index)->range();
        auto footer = section->footers()->item(kind.index)->range();
        EXPECT_EQ(header->storyType(), kind.headerStory);
        EXPECT_EQ(footer->storyType(), kind.footerStory);
        EXPECT_EQ(header->start(), 0);
        headerTexts.insert(header->text());
    }
    // Three different texts: none of the kinds falls back on another.
    EXPECT_EQ(headerTexts.size(), 3u);
    EXPECT_THROW(section->headers()->item(4), WordError);
    document->close(false);
}

TEST_F(OfficeStories, AHeaderThatIsNotSwitchedOnIsEmpty) {
    auto document = open("pandoc__headers.docx");
    ASSERT_NE(document, nullptr);
    auto range = document->sections()->item(1)->headers()->item(kHeaderFooterFirstPage)->range();
    EXPECT_EQ(range->text(), "");
    EXPECT_EQ(range->hyperlinks()->count(), 0);
    document->close(false);
}

TEST_F(OfficeStories, HeaderLinksOfAWordDocument) {
    auto document = open("tika__testWORD_header_hyperlink.doc");
    ASSERT_NE(document, nullptr);
    int links = 0;
    auto sections = document->sections();
    for (int s = 1; s <= sections->count(); ++s) {
        links += sections->item(s)->headers()->item(kHeaderFooterPrimary)->range()->hyperlinks()->count();
    }
    EXPECT_GE(links, 1);
    document->close(false);
}

}  // namespace
}  // namespace vane
