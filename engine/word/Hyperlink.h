// One hyperlink: an address (web, file, ...) and/or a place inside the
// document (sub-address: a bookmark name), on a text range or a shape.
#pragma once

#include <memory>
#include <string>

#include "word/Range.h"
#include "word/Shape.h"

namespace vane::word {

class Hyperlink {
public:
    virtual ~Hyperlink() = default;
    // The address as written, empty for a link inside the document.
    virtual std::string address() = 0;
    // The target inside the document (bookmark name), possibly empty.
    virtual std::string subAddress() = 0;
    // kHyperlinkRange, kHyperlinkShape or kHyperlinkInlineShape.
    virtual int type() = 0;
    // The linked text; throws WordError for a link on a shape.
    virtual std::unique_ptr<Range> range() = 0;
    // The linked shape; throws WordError for a link on text.
    virtual std::unique_ptr<Shape> shape() = 0;
};

}  // namespace vane::word
