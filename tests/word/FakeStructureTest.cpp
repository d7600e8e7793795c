#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OpenFake.h"

namespace vane::test {
namespace {

using namespace vane::word;

TEST(FakeStructure, FieldsWalkInDocumentOrderWithNext) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.paragraph().line("Contents 1 Intro 2", 72);
    // Written out of order: the walk must still follow positions.
    doc.field(kFieldPageRef, " PAGEREF _Toc2 \\h ", 17, 18);
    doc.field(kFieldToc, " TOC \\o \"1-3\" ", 0, 18);
    doc.field(kFieldPageRef, " PAGEREF _Toc1 \\h ", 9, 10);
    OpenFake w;
    auto fields = w.doc->fields();
    ASSERT_EQ(fields->count(), 3);
    std::vector<int> types;
    std::vector<std::string> codes;
    auto f = fields->item(1);
    for (int i = 0; i < fields->count() && f != nullptr; ++i) {
        types.push_back(f->type());
        codes.push_back(f->code()->text());
        f = f->next();
    }
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(types, (std::vector<int>{kFieldToc, kFieldPageRef, kFieldPageRef}));
    EXPECT_EQ(codes[1], " PAGEREF _Toc1 \\h ");
    EXPECT_THROW(fields->item(4), WordError);
    EXPECT_THROW(fields->item(0), WordError);
}

TEST(FakeStructure, TableOfContentsWithAndWithoutHyperlinks) {
    struct Case {
        bool hyperlinks;
        std::vector<int> types;
        int links;
    };
    const Case cases[] = {
        {true, {kFieldToc, kFieldHyperlink, kFieldPageRef, kFieldHyperlink, kFieldPageRef, kFieldRef}, 2},
        {false, {kFieldToc, kFieldPageRef, kFieldPageRef, kFieldRef}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hyperlinks);
        FakeWord fake;
        auto& doc = fake.document();
        doc.paragraph().line("Contents", 72);
        doc.toc({{.text = "Intro", .page = 1, .bookmark = "_Toc1", .top = 100},
                 {.text = "Details", .level = 2, .page = 12, .bookmark = "_Toc2", .top = 114}},
                c.hyperlinks);
        doc.paragraph("Heading 1").line("Intro", 200);
        int heading = doc.find("Intro", doc.find("Details"));
        doc.bookmark("_Toc1", heading, heading + 5);
        doc.field(kFieldRef, " REF _Toc1 \\h ", heading, heading + 5);
        OpenFake w;
        auto fields = w.doc->fields();
        std::vector<int> types;
        int firstPageRef = 0;
        int index = 1;
        for (auto f = fields->item(1); f != nullptr; f = f->next(), ++index) {
            types.push_back(f->type());
            if (f->type() == kFieldPageRef && firstPageRef == 0) firstPageRef = index;
        }
        EXPECT_EQ(types, c.types);
        ASSERT_GT(firstPageRef, 0);
        auto pageRef = fields->item(firstPageRef);
        EXPECT_EQ(pageRef->code()->text(), " PAGEREF _Toc1 \\h ");
        pageRef->select();
        EXPECT_EQ(w.sel->range()->text(), "1");
        // The entry's line, from the page number back to the line start.
        w.sel->collapse(kCollapseEnd);
        w.sel->homeKey(kUnitLine, kExtend);
        EXPECT_EQ(w.sel->range()->text(), "Intro\t1");
        EXPECT_EQ(w.sel->range()->style()->nameLocal(), "TOC 1");
        auto links = w.doc->hyperlinks();
        ASSERT_EQ(links->count(), c.links);
        if (c.links > 0) {
            EXPECT_EQ(links->item(2)->subAddress(), "_Toc2");
            EXPECT_EQ(links->item(2)->range()->text(), "Details\t12");
        }
    }
}

TEST(FakeStructure, HyperlinksOnTextAndShapes) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.paragraph().line("See the site or the box.", 72);
    doc.hyperlinkOn("box", "", "_Target");  // written first, comes second
    doc.hyperlinkOn("site", "http://example.org");
    doc.shape({.anchor = 4, .width = 100, .height = 40, .top = 10, .left = 20}, 1)
        .paragraph()
        .line("Box link", 300, 100)
        .hyperlinkOn("link", "MAILTO:a@b.c");
    doc.shapeHyperlink(1, "http://shape.org");  // anchored at 4, before both texts
    OpenFake w;

    auto links = w.doc->hyperlinks();
    ASSERT_EQ(links->count(), 3);
    auto onShape = links->item(1);
    auto text = links->item(2);
    EXPECT_EQ(text->type(), kHyperlinkRange);
    EXPECT_EQ(text->address(), "http://example.org");
    EXPECT_EQ(text->range()->text(), "site");
    EXPECT_THROW(text->shape(), WordError);
    auto internal = links->item(3);
    EXPECT_EQ(internal->address(), "");
    EXPECT_EQ(internal->subAddress(), "_Target");
    EXPECT_EQ(onShape->type(), kHyperlinkShape);
    EXPECT_THROW(onShape->range(), WordError);
    auto shape = onShape->shape();
    EXPECT_FLOAT_EQ(shape->width(), 100);
    shape->select();
    EXPECT_EQ(w.sel->range()->start(), 4);
    EXPECT_EQ(shape->anchor()->start(), 4);

    auto shapes = w.doc->shapes();
    ASSERT_EQ(shapes->count(), 1);
    auto box = shapes->item(1);
    EXPECT_EQ(box->type(), kShapeTextBox);
    auto boxText = box->textFrame()->textRange();
    EXPECT_EQ(boxText->text(), "Box link\r");
    auto boxLinks = boxText->hyperlinks();
    ASSERT_EQ(boxLinks->count(), 1);
    auto boxLink = boxLinks->item(1)->range();
    EXPECT_EQ(boxLink->text(), "link");
    boxLink->select();
    EXPECT_EQ(w.sel->information(kInfoHorizontalPosition), 100 + 4 * 6);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 300);
}

TEST(FakeStructure, FootnoteStoryAndItsPage) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.page().paragraph().line("Text", 72);
    doc.page().paragraph().line("More", 72);
    doc.footnote(2).paragraph().line("A note with a link", 780).hyperlinkOn("link", "http://n.org");
    OpenFake w;
    auto notes = w.doc->footnotes();
    ASSERT_EQ(notes->count(), 1);
    auto range = notes->item(1)->range();
    EXPECT_EQ(range->text(), "A note with a link\r");
    auto link = range->hyperlinks()->item(1)->range();
    link->select();
    EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), 2);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 780);
}

TEST(FakeStructure, HeaderAndFooterStories) {
    struct Case {
        bool header;
        int index;
        std::string text;
    };
    const Case cases[] = {
        {true, kHeaderFooterPrimary, "Primary head\r"},
        {true, kHeaderFooterFirstPage, "First head\r"},
        {true, kHeaderFooterEvenPages, "\r"},  // never written: an empty story
        {false, kHeaderFooterPrimary, "Foot\r"},
    };
    FakeWord fake;
    auto& doc = fake.document();
    doc.section({.differentFirstPage = true});
    doc.page().paragraph().line("Body", 72);
    doc.page().paragraph().line("Body 2", 72);
    doc.header(1, kHeaderFooterPrimary, 2)
        .paragraph()
        .line("Primary head", 30)
        .hyperlinkOn("head", "http://h");
    doc.header(1, kHeaderFooterFirstPage).paragraph().line("First head", 30);
    doc.footer(1, kHeaderFooterPrimary).paragraph().line("Foot", 800);
    OpenFake w;
    auto sections = w.doc->sections();
    ASSERT_EQ(sections->count(), 1);
    auto section = sections->item(1);
    EXPECT_TRUE(section->pageSetup()->differentFirstPageHeaderFooter());
    EXPECT_FALSE(section->pageSetup()->oddAndEvenPagesHeaderFooter());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto set = c.header ? section->headers() : section->footers();
        EXPECT_EQ(set->item(c.index)->range()->text(), c.text);
    }
    EXPECT_THROW(section->headers()->item(4), WordError);
    auto link = section->headers()->item(kHeaderFooterPrimary)->range()->hyperlinks()->item(1)->range();
    link->select();
    EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), 2);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 30);
    auto view = w.doc->activeWindow()->activePane()->view();
    view->setType(kViewPrintLayout);
    view->setSeekView(kSeekPrimaryHeader);
    view->setSeekView(kSeekMainDocument);
    EXPECT_TRUE(fake.called("View.Type 3"));
    EXPECT_TRUE(fake.called("View.SeekView 1"));
    EXPECT_EQ(fake.seekView, kSeekMainDocument);
}

TEST(FakeStructure, PageSetupPerSectionAndMixed) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.section({});
    doc.page().paragraph().line("Portrait", 72);
    doc.section({.width = 842, .height = 595, .orientation = kLandscape});
    doc.page().paragraph().line("Landscape", 72);
    OpenFake w;
    auto whole = w.doc->pageSetup();
    EXPECT_EQ(whole->orientation(), kUndefined);
    EXPECT_FLOAT_EQ(whole->pageHeight(), static_cast<float>(kUndefined));
    EXPECT_FLOAT_EQ(whole->leftMargin(), 72);
    auto page2 = w.sel->goToPage(2);
    auto first = page2->sections()->first();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->pageSetup()->orientation(), kLandscape);
    EXPECT_FLOAT_EQ(page2->pageSetup()->pageWidth(), 842);
    EXPECT_FLOAT_EQ(w.sel->pageSetup()->pageHeight(), 595);
    EXPECT_EQ(w.doc->sections()->count(), 2);
}

TEST(FakeStructure, HeadingStylesByBuiltInIndex) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.renameHeadingStyle(1, "Titre 1");
    doc.removeHeadingStyle(6);
    doc.style("Custom", 3);
    doc.characterStyle("Emphasis");
    doc.paragraph("Titre 1").line("Un", 72);
    OpenFake w;
    auto styles = w.doc->styles();
    const std::string expected[] = {"Titre 1", "Heading 2", "Heading 3", "Heading 4", "Heading 5"};
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        auto style = styles->item(heading_style_index(level));
        EXPECT_EQ(style->nameLocal(), expected[level - 1]);
        EXPECT_TRUE(style->builtIn());
        EXPECT_EQ(style->paragraphFormat()->outlineLevel(), level);
    }
    EXPECT_THROW(styles->item(heading_style_index(6)), WordError);
    // The whole table by index: custom styles are not built in; character styles have no paragraph format.
    bool sawCustom = false;
    for (int i = 1; i <= styles->count(); ++i) {
        auto style = styles->item(i);
        if (style->nameLocal() == "Custom") {
            sawCustom = true;
            EXPECT_FALSE(style->builtIn());
            EXPECT_EQ(style->paragraphFormat()->outlineLevel(), 3);
        }
        if (style->nameLocal() == "Emphasis") {
            EXPECT_THROW(style->paragraphFormat(), WordError);
        }
    }
    EXPECT_TRUE(sawCustom);
    auto para = w.sel->range()->paragraphs()->first();
    EXPECT_EQ(para->style()->nameLocal(), "Titre 1");
}

TEST(FakeStructure, RangeStyleAndFontWhenMixed) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.paragraph("Heading 1").line("Head", 72);
    doc.main().font(10);
    doc.paragraph().line("Small", 100);
    OpenFake w;
    w.sel->endOf(kUnitParagraph, kExtend);
    EXPECT_EQ(w.sel->range()->style()->nameLocal(), "Heading 1");
    EXPECT_FLOAT_EQ(w.sel->range()->font()->size(), 12);
    w.sel->moveEnd(kUnitParagraph, 1);
    EXPECT_EQ(w.sel->range()->style(), nullptr);
    EXPECT_FLOAT_EQ(w.sel->range()->font()->size(), static_cast<float>(kUndefined));
    EXPECT_EQ(w.sel->range()->paragraphs()->count(), 2);
    EXPECT_EQ(w.sel->range()->paragraphs()->item(2)->range()->text(), "Small\r");
}

TEST(FakeStructure, FormFeedAndUnicodeCountAsOneCharacter) {
    FakeWord fake;
    auto& doc = fake.document();
    doc.page().paragraph().line("Été", 72);
    doc.paragraph("Heading 1").line("\f", 700);
    doc.page();
    doc.line("Chapitre", 72);
    OpenFake w;
    auto heading = w.sel->goToFirst(kGoToHeading);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->start(), 4);
    w.sel->endOf(kUnitParagraph, kExtend);
    EXPECT_EQ(w.sel->range()->text(), "\fChapitre\r");
    EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), 2);
    w.sel->collapse(kCollapseStart);
    EXPECT_EQ(w.sel->information(kInfoActiveEndPageNumber), 1);
    w.sel->moveStart(kUnitCharacter, 1);
    auto next = w.sel->goToNext(kGoToLine);
    EXPECT_EQ(next->start(), 5);
    EXPECT_EQ(w.sel->information(kInfoVerticalPosition), 72);
}

}  // namespace
}  // namespace vane::test
