// The footnotes (or the endnotes) of a document in document order.
#pragma once

#include <memory>

#include "word/Footnote.h"

namespace vane::word {

class Footnotes {
public:
    virtual ~Footnotes() = default;
    virtual int count() = 0;
    // 1..count(); throws WordError outside.
    virtual std::unique_ptr<Footnote> item(int index) = 0;
};

}  // namespace vane::word
