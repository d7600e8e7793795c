// A list of hyperlinks in document order.
#pragma once

#include <memory>

#include "word/Hyperlink.h"

namespace vane::word {

class Hyperlinks {
public:
    virtual ~Hyperlinks() = default;
    virtual int count() = 0;
    // 1..count(); throws WordError outside.
    virtual std::unique_ptr<Hyperlink> item(int index) = 0;
};

}  // namespace vane::word
