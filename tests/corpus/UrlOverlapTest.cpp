// URL links of our PDF against the office's own export: rectangles paired by
// page and address, best overlap first, compared in the space a reader sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UrlOverlap.h"

namespace vane::test {
namespace {

PdfPage page(double width, double height, int rotate) {
    PdfPage p;
    p.width = width;
    p.height = height;
    p.rotate = rotate;
    return p;
}

PdfReadBack pdf_with_pages(std::vector<PdfPage> pages) {
    PdfReadBack r;
    r.pages = std::move(pages);
    return r;
}

PdfLink url(int page, Box rect, const std::string& address) {
    PdfLink l;
    l.page = page;
    l.rect = rect;
    l.uri = address;
    return l;
}

TEST(IntersectionOverUnion, OfKnownRectangles) {
    EXPECT_DOUBLE_EQ(intersection_over_union({0, 0, 10, 10}, {0, 0, 10, 10}), 1.0);
    EXPECT_DOUBLE_EQ(intersection_over_union({0, 0, 10, 10}, {5, 0, 15, 10}), 50.0 / 150.0);
    EXPECT_DOUBLE_EQ(intersection_over_union({0, 0, 10, 10}, {20, 20, 30, 30}), 0.0);
    EXPECT_DOUBLE_EQ(intersection_over_union({0, 0, 0, 10}, {0, 0, 0, 10}), 0.0);
}

TEST(AsViewed, TurnsRotatedPagesUpright) {
    // A portrait 600x800 page shown turned a quarter clockwise is 800 wide, 600 high.
    const Box r{100, 200, 150, 220};
    const Box quarter = as_viewed(r, 600, 800, 90);
    EXPECT_EQ((std::vector<double>{quarter.left, quarter.bottom, quarter.right, quarter.top}),
              (std::vector<double>{200, 450, 220, 500}));
    const Box back = as_viewed(r, 600, 800, 270);
    EXPECT_EQ((std::vector<double>{back.left, back.bottom, back.right, back.top}),
              (std::vector<double>{580, 100, 600, 150}));
    const Box half = as_viewed(r, 600, 800, 180);
    EXPECT_EQ((std::vector<double>{half.left, half.bottom, half.right, half.top}),
              (std::vector<double>{450, 580, 500, 600}));
}

TEST(UrlOverlap, PairsSameAddressOnSamePageBestFirst) {
    PdfReadBack ours = pdf_with_pages({page(612, 792, 0), page(612, 792, 0)});
    PdfReadBack office = ours;
    ours.links = {url(1, {100, 100, 200, 112}, "http://a/"), url(1, {100, 300, 200, 312}, "http://a/"),
                  url(1, {50, 50, 90, 60}, "http://b/"), url(2, {10, 10, 50, 20}, "http://c/"),
                  url(1, {0, 0, 10, 10}, "http://ours-only/")};
    office.links = {url(1, {100, 302, 200, 314}, "http://a/"), url(1, {101, 100, 199, 112}, "http://a/"),
                    url(1, {70, 50, 110, 60}, "http://b/"),     url(1, {10, 10, 50, 20}, "http://c/")};
    const UrlOverlap o = url_overlap(ours, office);
    EXPECT_EQ(o.pairs, 3);  // both a's and b; c is on another page
    EXPECT_EQ(o.agreeing, 2);
    ASSERT_EQ(o.misses.size(), 1u);
    EXPECT_NE(o.misses[0].find("http://b/"), std::string::npos);
    EXPECT_FALSE(o.passes());
    EXPECT_TRUE(o.passes(0.6));
}

TEST(UrlOverlap, ComparesASidewaysPageWithTheOfficesLandscapePage) {
    PdfReadBack ours = pdf_with_pages({page(612, 792, 90)});
    PdfReadBack office = pdf_with_pages({page(792, 612, 0)});
    ours.links = {url(1, {100, 200, 112, 300}, "http://a/")};
    office.links = {url(1, {200, 312, 300, 512}, "http://a/")};
    office.links[0].rect = as_viewed(ours.links[0].rect, 612, 792, 90);
    EXPECT_EQ(url_overlap(ours, office).agreeing, 1);
    ours.pages[0].rotate = 0;
    EXPECT_EQ(url_overlap(ours, office).agreeing, 0);
}

TEST(UrlOverlap, RoundingToWholePointsIsAllowedOnNarrowLinks) {
    // A 3 pt link one point to the left of the office's: 0.5 overlap once the
    // half point each edge may be off is allowed; two points off is a miss.
    const struct {
        Box office;
        int agreeing;
    } cases[] = {
        {{101, 100, 104, 112}, 1},
        {{102, 100, 105, 112}, 0},
        // The office's area is the whole line and runs on to the margin where
        // the link wraps: ours within it, to a point, agrees.
        {{101, 98, 160, 112}, 1},
        {{99, 96, 104, 114}, 1},
        {{102, 98, 160, 112}, 0},
        {{90, 100, 101, 112}, 0},
    };
    for (const auto& c : cases) {
        PdfReadBack ours = pdf_with_pages({page(612, 792, 0)});
        PdfReadBack office = ours;
        ours.links = {url(1, {100, 100, 103, 112}, "http://a/")};
        office.links = {url(1, c.office, "http://a/")};
        const UrlOverlap o = url_overlap(ours, office);
        EXPECT_EQ(o.pairs, 1);
        EXPECT_EQ(o.agreeing, c.agreeing) << c.office.left;
    }
}

TEST(UrlOverlap, TheOfficesLinksOverNoTextAreNotPaired) {
    // The office links a picture with the address our text link has: no pair.
    PdfReadBack ours = pdf_with_pages({page(612, 792, 0)});
    PdfReadBack office = ours;
    Glyph g;
    g.text = "1";
    g.box = {100, 100, 105, 112};
    office.pages[0].glyphs = {g};
    ours.links = {url(1, {100, 100, 105, 112}, "http://a/")};
    office.links = {url(1, {300, 300, 375, 370}, "http://a/")};
    EXPECT_EQ(url_overlap(ours, office).pairs, 0);
    // Over the text it is a pair again.
    office.links.push_back(url(1, {99, 99, 106, 113}, "http://a/"));
    const UrlOverlap o = url_overlap(ours, office);
    EXPECT_EQ(o.pairs, 1);
    EXPECT_EQ(o.agreeing, 1);
    // Without the office's text read, every link takes part.
    office.pages[0].glyphs.clear();
    EXPECT_EQ(url_overlap(ours, office).pairs, 1);
}

TEST(UrlOverlap, NoPairsPass) {
    EXPECT_TRUE(UrlOverlap{}.passes());
}

TEST(UrlOverlap, MediaBoxesNotAtTheOriginCompareByTheirCorner) {
    PdfReadBack ours = pdf_with_pages({page(612, 792, 0)});
    PdfReadBack office = ours;
    ours.pages[0].left = 100;  // the same place on the page, shifted with its box
    ours.pages[0].bottom = 50;
    ours.links = {url(1, {150, 150, 250, 162}, "http://a/")};
    office.links = {url(1, {50, 100, 150, 112}, "http://a/")};
    EXPECT_EQ(url_overlap(ours, office).agreeing, 1);
}

}  // namespace
}  // namespace vane::test
