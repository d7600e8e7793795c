// A list of paragraphs in document order.
#pragma once

#include <memory>

#include "word/Paragraph.h"

namespace vane::word {

class Paragraphs {
public:
    virtual ~Paragraphs() = default;
    virtual int count() = 0;
    // Null when the list is empty.
    virtual std::unique_ptr<Paragraph> first() = 0;
    // 1..count(); throws WordError outside.
    virtual std::unique_ptr<Paragraph> item(int index) = 0;
};

}  // namespace vane::word
