// Compares the URL links of our PDF with the office's own export of the same
// document: a link of ours and one of the office's with the same address on the
// same page are a pair; a pair agrees when its rectangles overlap enough.
#pragma once

#include <string>
#include <vector>

#include "PdfReadBack.h"

namespace vane::test {

// Intersection over union of two rectangles; 0 when either is empty.
double intersection_over_union(const Box& a, const Box& b);

// `rect` on a page of `width` x `height` with /Rotate `rotate`, in the space the
// reader sees (the page turned upright), so that a landscape page printed
// sideways compares with the office's landscape page.
Box as_viewed(const Box& rect, double width, double height, int rotate);

struct UrlOverlap {
    int pairs = 0;                  // links both PDFs have (same page, same address)
    int agreeing = 0;               // pairs that overlap at least `minimum`, or ours within theirs
    std::vector<std::string> misses;  // the pairs that do not, described

    // True when at least `share` of the pairs agree (or there are none).
    bool passes(double share = 0.95) const;
};

// Pairs the URL links of both PDFs by page and address, best overlap first.
// Rectangles are compared widened by half a point (ours are rounded to whole
// points); a pair agrees too when ours lies within the office's, which covers
// the whole line height and runs on to the margin where a link wraps. The
// office's links over no text are left out when its glyphs were read: it links
// pictures that we, like the word processor, do not.
UrlOverlap url_overlap(const PdfReadBack& ours, const PdfReadBack& office, double minimum = 0.5);

}  // namespace vane::test
