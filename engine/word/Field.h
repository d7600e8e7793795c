// One field of a story (TOC, REF, PAGEREF, HYPERLINK, ...).
#pragma once

#include <memory>

#include "word/Range.h"

namespace vane::word {

class Field {
public:
    virtual ~Field() = default;
    virtual int type() = 0;  // kFieldToc, kFieldPageRef, ...
    // The field code (e.g. " PAGEREF _Toc123 \h "); its text() is the code text.
    virtual std::unique_ptr<Range> code() = 0;
    // The following field in document order; null after the last.
    virtual std::unique_ptr<Field> next() = 0;
    // Makes the field (its shown result) the selection.
    virtual void select() = 0;
};

}  // namespace vane::word
