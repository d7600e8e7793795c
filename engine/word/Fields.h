// The fields of the main text, or of a range, in document order.
#pragma once

#include <memory>

#include "word/Field.h"

namespace vane::word {

class Fields {
public:
    virtual ~Fields() = default;
    virtual int count() = 0;
    // 1..count(); throws WordError outside.
    virtual std::unique_ptr<Field> item(int index) = 0;
};

}  // namespace vane::word
