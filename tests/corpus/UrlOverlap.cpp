#include "UrlOverlap.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace vane::test {
namespace {

double area(const Box& b) {
    return std::max(0.0, b.right - b.left) * std::max(0.0, b.top - b.bottom);
}

std::string describe(const Box& b) {
    char text[96];
    std::snprintf(text, sizeof text, "[%.0f %.0f %.0f %.0f]", b.left, b.bottom, b.right, b.top);
    return text;
}

using Key = std::pair<int, std::string>;

// Our marks are written in whole points: each edge may lie half a point from
// the text it covers, which on a link a few points wide is most of its width.
constexpr double kRoundingAllowance = 0.5;

Box widened(const Box& b) {
    return {b.left - kRoundingAllowance, b.bottom - kRoundingAllowance, b.right + kRoundingAllowance,
            b.top + kRoundingAllowance};
}

// The URL links of a PDF by page and address, in the viewed space of their page.
// With `textOnly`, a link over no text of a page whose text was read (a linked
// picture or shape) is left out: it has no counterpart among text links.
std::map<Key, std::vector<Box>> by_address(const PdfReadBack& pdf, bool textOnly) {
    std::map<Key, std::vector<Box>> out;
    for (const PdfLink& l : pdf.links) {
        if (l.uri.empty() || l.page < 1 || l.page > static_cast<int>(pdf.pages.size())) continue;
        const PdfPage& p = pdf.pages[static_cast<std::size_t>(l.page) - 1];
        if (textOnly && !p.glyphs.empty() && glyphs_inside(p, l.rect, 1.0).empty()) continue;
        const Box onPage{l.rect.left - p.left, l.rect.bottom - p.bottom, l.rect.right - p.left,
                         l.rect.top - p.bottom};
        out[{l.page, l.uri}].push_back(as_viewed(onPage, p.width, p.height, p.rotate));
    }
    return out;
}

// The office draws a link's area larger than its text: the whole line height,
// and up to the margin where a link's line wraps. A rectangle of ours that lies
// within the office's (to a point: ours are rounded outward to whole points)
// marks the same text.
bool inside(const Box& mine, const Box& theirs) {
    constexpr double kOutward = 1.0;
    return area(mine) > 0 && mine.left >= theirs.left - kOutward && mine.bottom >= theirs.bottom - kOutward &&
           mine.right <= theirs.right + kOutward && mine.top <= theirs.top + kOutward;
}

}  // namespace

double intersection_over_union(const Box& a, const Box& b) {
    const Box i{std::max(a.left, b.left), std::max(a.bottom, b.bottom), std::min(a.right, b.right),
                std::min(a.top, b.top)};
    const double both = area(i);
    const double either = area(a) + area(b) - both;
    return either <= 0 ? 0 : both / either;
}

Box as_viewed(const Box& r, double width, double height, int rotate) {
    switch (((rotate % 360) + 360) % 360) {
        case 90:  // turned clockwise: the left edge becomes the top
            return {r.bottom, width - r.right, r.top, width - r.left};
        case 180:
            return {width - r.right, height - r.top, width - r.left, height - r.bottom};
        case 270:
            return {height - r.top, r.left, height - r.bottom, r.right};
        default:
            return r;
    }
}

bool UrlOverlap::passes(double share) const {
    return pairs == 0 || agreeing >= share * pairs;
}

UrlOverlap url_overlap(const PdfReadBack& ours, const PdfReadBack& office, double minimum) {
    UrlOverlap result;
    const std::map<Key, std::vector<Box>> theirs = by_address(office, true);
    for (const auto& [key, mine] : by_address(ours, false)) {
        const auto found = theirs.find(key);
        if (found == theirs.end()) continue;
        // Every candidate pair, best overlap first; each rectangle joins one pair.
        struct Candidate {
            double iou;
            std::size_t a, b;
        };
        std::vector<Candidate> candidates;
        for (std::size_t a = 0; a < mine.size(); ++a)
            for (std::size_t b = 0; b < found->second.size(); ++b)
                candidates.push_back(
                    {intersection_over_union(widened(mine[a]), widened(found->second[b])), a, b});
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& x, const Candidate& y) { return x.iou > y.iou; });
        std::vector<bool> usedA(mine.size()), usedB(found->second.size());
        for (const Candidate& c : candidates) {
            if (usedA[c.a] || usedB[c.b]) continue;
            usedA[c.a] = usedB[c.b] = true;
            ++result.pairs;
            if (c.iou >= minimum || inside(mine[c.a], found->second[c.b])) {
                ++result.agreeing;
                continue;
            }
            char iou[16];
            std::snprintf(iou, sizeof iou, "%.2f", c.iou);
            result.misses.push_back("page " + std::to_string(key.first) + " " + key.second + ": ours " +
                                    describe(mine[c.a]) + ", office " + describe(found->second[c.b]) +
                                    ", overlap " + iou);
        }
    }
    return result;
}

}  // namespace vane::test
