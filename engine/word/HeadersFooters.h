// The headers (or the footers) of a section.
#pragma once

#include <memory>

#include "word/HeaderFooter.h"

namespace vane::word {

class HeadersFooters {
public:
    virtual ~HeadersFooters() = default;
    // kHeaderFooterPrimary, kHeaderFooterFirstPage or kHeaderFooterEvenPages;
    // throws WordError for any other index.
    virtual std::unique_ptr<HeaderFooter> item(int index) = 0;
};

}  // namespace vane::word
