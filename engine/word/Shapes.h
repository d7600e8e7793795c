// The floating shapes of a document.
#pragma once

#include <memory>

#include "word/Shape.h"

namespace vane::word {

class Shapes {
public:
    virtual ~Shapes() = default;
    virtual int count() = 0;
    // 1..count(); throws WordError outside.
    virtual std::unique_ptr<Shape> item(int index) = 0;
};

}  // namespace vane::word
