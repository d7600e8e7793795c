// One header or footer of a section: its own text story.
#pragma once

#include <memory>

#include "word/Range.h"

namespace vane::word {

class HeaderFooter {
public:
    virtual ~HeaderFooter() = default;
    // The whole story of the header or footer.
    virtual std::unique_ptr<Range> range() = 0;
};

}  // namespace vane::word
