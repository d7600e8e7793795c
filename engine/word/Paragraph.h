// One paragraph.
#pragma once

#include <memory>
#include <string>

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
    // 1 to 9 for an outline level (from the style or set on the paragraph
    // itself), kOutlineBodyText for body text.
    virtual int outlineLevel() = 0;
    // The list number as the reader sees it ("3.1", "A)"); empty when the
    // paragraph is not numbered.
    virtual std::string listString() = 0;
};

}  // namespace vane::word
