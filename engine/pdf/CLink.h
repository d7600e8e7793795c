// One clickable rectangle of a link with where it leads.
#pragma once

#include <cstdint>
#include <string>

#include "pdf/CRegion.h"

namespace vane {

enum class LinkType : std::int32_t {
    Toc = 1,       // table-of-contents entry, to a heading bookmark
    Url = 2,       // hyperlink to an address with a known scheme
    Internal = 3,  // hyperlink to a bookmark of the document
};

class CLink {
public:
    // A link on `page` with the edges of `region`; the destination comes later.
    CLink(std::int32_t page, LinkType type, const CRegion& region)
        : page(page),
          top(region.top),
          bottom(region.bottom),
          left(region.left),
          right(region.right),
          type(type) {}
    ~CLink() = default;

    std::int32_t page = 0;  // source page, 1-based; -1 unknown
    std::int32_t top = 0;   // PDF points from the page bottom
    std::int32_t bottom = 0;
    std::int32_t left = 0;
    std::int32_t right = 0;
    std::int32_t destPage = 0;  // 1-based; 0 until resolved
    std::int32_t destY = 0;     // points from the page bottom; 0 until resolved
    std::string dest;           // bookmark name (Toc, Internal) or address (Url), UTF-8
    LinkType type;
};

}  // namespace vane
