#include "pdf/PageBox.h"

#include <cmath>

#include "word/CDocinfo.h"

namespace vane {

namespace {

// The largest page a PDF may describe: 200 inches.
constexpr float kLargestPage = 14400.0f;
// Edges and destinations are rounded to the nearest point: one half point
// past the edge is still on the page.
constexpr float kRounding = 0.5f;

bool within(std::int32_t value, float limit) {
    return value >= 0 && static_cast<float>(value) <= limit + kRounding;
}

}  // namespace

PageBox::PageBox(const CDocinfo& docinfo, std::int32_t page)
    : width_(docinfo.pageWidth(page)), height_(docinfo.pageHeight(page)) {}

bool PageBox::known() const {
    return width_ > 0 && height_ > 0 && width_ <= kLargestPage && height_ <= kLargestPage;
}

bool PageBox::holdsY(std::int32_t y) const {
    return known() && within(y, height_);
}

bool PageBox::holdsRect(std::int32_t left, std::int32_t bottom, std::int32_t right, std::int32_t top) const {
    return known() && within(left, width_) && within(right, width_) && within(bottom, height_) &&
           within(top, height_);
}

std::int32_t PageBox::width() const {
    return static_cast<std::int32_t>(std::lround(width_));
}

std::int32_t PageBox::height() const {
    return static_cast<std::int32_t>(std::lround(height_));
}

}  // namespace vane
