// One paragraph.
#pragma once

#include <memory>

#include "word/Range.h"
#include "word/Style.h"

namespace vane::word {

class Paragraph {
public:
    virtual ~Paragraph() = default;
    // The whole paragraph, its mark included.
    virtual std::unique_ptr<Range> range() = 0;
    // The paragraph style (never null for a paragraph).
    virtual std::unique_ptr<Style> style() = 0;
    // Indents in points.
    virtual float leftIndent() = 0;
    virtual float rightIndent() = 0;
};

}  // namespace vane::word
