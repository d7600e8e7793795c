#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "OpenFakeDocument.h"
#include "pdf/CRegionList.h"

namespace vane {
namespace {

using test::FakePageSetup;
using test::FakeShape;
using namespace vane::word;

using Box = std::tuple<int, int, int, int, int>;  // page, top, bottom, left, right

std::vector<Box> boxes(const CRegionList& list) {
    std::vector<Box> out;
    for (const auto& r : list.regions) out.emplace_back(r->page, r->top, r->bottom, r->left, r->right);
    return out;
}

class RegionListTest : public ::testing::Test, protected test::OpenFakeDocument {
protected:
    // Selects the text of the document's hyperlink `index` and measures it.
    std::vector<Box> measureLink(int index = 1) {
        document->hyperlinks()->item(index)->range()->select();
        list.measureSelection(*selection, info, pageHint, nullptr);
        return boxes(list);
    }

    CRegionList list;
    std::int32_t pageHint = 1;
};

const FakePageSetup kLandscapeA4{.width = 842, .height = 595, .orientation = kLandscape};

TEST_F(RegionListTest, OneLineHyperlinkOnPortraitAndLandscapePages) {
    struct Case {
        const char* name;
        FakePageSetup setup;
        Box expected;
    } cases[] = {
        // Ttop = 842 - 99.7 = 742.3; bottom = trunc(742.3 - 12 - 0.5); left = trunc(72.2); right =
        // trunc(149.7)
        {"portrait", {}, {1, 742, 729, 72, 149}},
        // Horizontal edges turned over with the page width: 842 - 72.2, 842 - 149.7.
        {"landscape", kLandscapeA4, {1, 495, 482, 769, 692}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        doc().section(c.setup).page();
        // "Visit" starts at h = 72.7 and, 5 characters of 15.5 pt later, ends at h = 150.2.
        doc().main().font(12, 15.5f);
        doc().paragraph().line("Visit our site", 100.2f, 72.7f);
        doc().hyperlinkOn("Visit", "http://example.org");
        open();
        pageHint = 1;
        EXPECT_EQ(measureLink(), std::vector<Box>{c.expected});
    }
}

TEST_F(RegionListTest, WrappedHyperlinkGivesOneRegionPerLine) {
    doc().page();
    doc().paragraph().line("Read the manual ", 100).line("online today.", 114);
    doc().hyperlinkOn("manual online", "http://example.org/manual");
    open();
    const int start = doc().find("manual online");
    // Line 1 from "manual" (72 + 9*6) to the line end (72 + 16*6); line 2 from
    // its start to after "online" (72 + 6*6).
    EXPECT_EQ(measureLink(), (std::vector<Box>{{1, 742, 730, 125, 167}, {1, 728, 716, 71, 107}}));
    // The selection is put back on the hyperlink's text.
    EXPECT_EQ(selection->start(), start);
    EXPECT_EQ(selection->range()->end(), start + 13);
}

TEST_F(RegionListTest, ZeroWidthLineGivesNoRegionAndTopClampsAtPageTop) {
    doc().page();
    doc().paragraph().line("Top line", 0.3f);
    doc().hyperlink("http://example.org", "", 2, 2);  // empty text: start and end coincide
    doc().hyperlinkOn("line", "http://example.org");
    open();
    EXPECT_TRUE(measureLink(1).empty());
    // v = 0.3 counts as 0: the top edge is the page height.
    EXPECT_EQ(measureLink(2), (std::vector<Box>{{1, 842, 829, 95, 119}}));
}

TEST_F(RegionListTest, PageLookupMovesTheHintAndUsesItsPageSize) {
    doc().section().page().paragraph().line("First page", 72);
    doc().section(kLandscapeA4).page().paragraph().line("Go to the index", 100);
    doc().hyperlinkOn("index", "http://example.org");
    open();
    // The line's own page (2, landscape) gives the geometry, even though the
    // hint still named portrait page 1 when the measuring began.
    EXPECT_EQ(measureLink(), (std::vector<Box>{{2, 495, 483, 710, 680}}));
    EXPECT_EQ(pageHint, 2);
    // Measured again from the moved hint: the same rectangle.
    EXPECT_EQ(measureLink(), (std::vector<Box>{{2, 495, 483, 710, 680}}));
}

TEST_F(RegionListTest, HintOutsideTheDocumentRaisesInvalidArgument) {
    doc().page().paragraph().line("Link", 100);
    doc().hyperlinkOn("Link", "http://example.org");
    open();
    pageHint = 4;
    EXPECT_THROW(measureLink(), std::invalid_argument);
}

TEST_F(RegionListTest, FixedLineHeightRecordsTheFirstFontSize) {
    doc().page();
    doc().main().font(10);
    doc().paragraph().line("Small", 100);
    doc().main().font(12);
    doc().paragraph().line("Large", 200);
    doc().hyperlinkOn("Small", "http://a.org").hyperlinkOn("Large", "http://b.org");
    open();
    std::optional<float> fixed;
    document->hyperlinks()->item(1)->range()->select();
    list.measureSelection(*selection, info, pageHint, &fixed);
    EXPECT_EQ(fixed, 10.0f);
    document->hyperlinks()->item(2)->range()->select();
    list.measureSelection(*selection, info, pageHint, &fixed);
    // 842 - 199.5 = 642.5; 642.5 - 10 - 0.5 = 632 (a 12-point height would give 630).
    EXPECT_EQ(boxes(list), (std::vector<Box>{{1, 642, 632, 71, 101}}));
}

TEST_F(RegionListTest, TocLineStartingItsLineRunsToTheSelectionEnd) {
    doc().page();
    doc().paragraph("TOC 1").line("Introduction\t2", 100);
    open();
    const int start = doc().find("Introduction");
    selection->goToFirst(kGoToPage);
    selection->moveEnd(kUnitCharacter, start + 14);
    std::optional<float> fixed;
    list.measureTocLine(*selection, info, pageHint, &fixed);
    // left = 71.5, right = xe = 72 + 14*6 - 0.5.
    EXPECT_EQ(boxes(list), (std::vector<Box>{{1, 742, 730, 71, 155}}));
    EXPECT_EQ(fixed, 12.0f);
    EXPECT_EQ(selection->range()->end(), start + 14);
}

class ShapeRegionTest : public RegionListTest {
protected:
    std::vector<Box> measureShape(const FakeShape& spec, const FakePageSetup& setup = {}, float indent = 0) {
        doc().section(setup).page();
        doc().paragraph().line("Body text above", 72);
        doc().paragraph().line("Anchor paragraph", 200);
        doc().main().indents(indent, 0);
        doc().shape(spec).paragraph().line("Box", 300);
        doc().shapes().back().anchor = doc().find("Anchor");
        open();
        auto item = document->shapes()->item(1);
        item->select();
        list.measureShape(info, *item, *selection, pageHint);
        return boxes(list);
    }
};

TEST_F(ShapeRegionTest, HorizontalReferencesAndSpecialPositions) {
    // Shape 100 wide, 50 high, 28 below the top margin (y = 100: top 742, bottom 691).
    struct Case {
        const char* name;
        int reference;
        float left;
        float indent;
        int expectedLeft;
        int expectedRight;
    } cases[] = {
        {"page centre", kRelativePage, kShapeCenter, 0, 247, 348},  // x = 297.5 - 50
        {"page left", kRelativePage, kShapeLeft, 0, 0, 100},
        {"page right", kRelativePage, kShapeRight, 0, 494, 595},
        {"past the page width", kRelativePage, 700, 0, 0, 100},
        {"margin offset", kRelativeMargin, 20, 0, 91, 192},
        {"margin centre", kRelativeMargin, kShapeCenter, 0, 247, 348},
        {"margin left", kRelativeMargin, kShapeLeft, 0, 71, 172},
        {"margin right", kRelativeMargin, kShapeRight, 0, 422, 523},
        {"column offset with indent", kRelativeColumn, 10, 18, 99, 200},
        {"column centre with indent", kRelativeColumn, kShapeCenter, 18, 256, 357},
        {"column right", kRelativeColumn, kShapeRight, 0, 422, 523},
        {"column, left unset", kRelativeColumn, static_cast<float>(kShapeLeftUnset), 18, 89, 190},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        pageHint = 1;
        EXPECT_EQ(measureShape({.width = 100,
                                .height = 50,
                                .top = 28,
                                .left = c.left,
                                .relativeHorizontal = c.reference,
                                .relativeVertical = kRelativeMargin},
                               {}, c.indent),
                  (std::vector<Box>{{1, 742, 691, c.expectedLeft, c.expectedRight}}));
    }
}

TEST_F(ShapeRegionTest, VerticalReferencesAndSpecialPositions) {
    struct Case {
        const char* name;
        int reference;
        float top;
        int expectedTop;
        int expectedBottom;
    } cases[] = {
        {"paragraph: below the anchor line at 200", kRelativeParagraph, 10, 632, 581},
        {"margin offset", kRelativeMargin, 28, 742, 691},
        {"margin centre", kRelativeMargin, kShapeCenter, 446, 395},
        {"margin top", kRelativeMargin, kShapeTop, 770, 719},
        {"margin bottom", kRelativeMargin, kShapeBottom, 122, 71},
        {"page top", kRelativePage, kShapeTop, 842, 791},
        {"page bottom: bottom edge clamps at 0", kRelativePage, kShapeBottom, 50, 0},
        {"page offset is taken as it is", kRelativePage, 300, 542, 491},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        word.document() = {};
        list.clear();
        pageHint = 1;
        EXPECT_EQ(measureShape({.width = 100,
                                .height = 50,
                                .top = c.top,
                                .left = kShapeCenter,
                                .relativeHorizontal = kRelativePage,
                                .relativeVertical = c.reference}),
                  (std::vector<Box>{{1, c.expectedTop, c.expectedBottom, 247, 348}}));
    }
}

TEST_F(ShapeRegionTest, LandscapePageTurnsTheHorizontalEdgesOver) {
    // x = 421 - 50 = 371: left = 842 - 370.5, right = 842 - 471.5.
    EXPECT_EQ(measureShape({.width = 100,
                            .height = 50,
                            .top = 28,
                            .left = kShapeCenter,
                            .relativeHorizontal = kRelativePage,
                            .relativeVertical = kRelativeMargin},
                           kLandscapeA4),
              (std::vector<Box>{{1, 495, 444, 471, 370}}));
}

}  // namespace
}  // namespace vane
