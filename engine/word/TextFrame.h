// The text inside a shape.
#pragma once

#include <memory>

#include "word/Range.h"

namespace vane::word {

class TextFrame {
public:
    virtual ~TextFrame() = default;
    // The whole text story of the frame; throws WordError when the shape holds no text.
    virtual std::unique_ptr<Range> textRange() = 0;
};

}  // namespace vane::word
