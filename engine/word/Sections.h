// A list of sections in document order.
#pragma once

#include <memory>

#include "word/Section.h"

namespace vane::word {

class Sections {
public:
    virtual ~Sections() = default;
    virtual int count() = 0;
    // 1..count(); throws WordError outside.
    virtual std::unique_ptr<Section> item(int index) = 0;
    // Null when the list is empty.
    virtual std::unique_ptr<Section> first() = 0;
};

}  // namespace vane::word
