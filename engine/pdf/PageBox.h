// The limits a mark must keep on one page. The marks' numbers are integer
// points: vertical ones from the page bottom, up to the page height, and
// horizontal ones from the left edge, up to the page width, both as the
// document information gives them. A landscape page is stored turned, with
// the axes exchanged in its marks, so the same limits hold for it.
#pragma once

#include <cstdint>

namespace vane {

class CDocinfo;

class PageBox {
public:
    // The box of 1-based `page`; std::invalid_argument outside the document.
    PageBox(const CDocinfo& docinfo, std::int32_t page);

    // False when the size is none a PDF page can have, such as the word
    // processor's "undefined" for a document whose sections differ.
    bool known() const;
    // A destination's vertical position.
    bool holdsY(std::int32_t y) const;
    // A link rectangle's edges.
    bool holdsRect(std::int32_t left, std::int32_t bottom, std::int32_t right, std::int32_t top) const;

    // The size in whole points, for messages.
    std::int32_t width() const;
    std::int32_t height() const;

private:
    float width_;
    float height_;
};

}  // namespace vane
