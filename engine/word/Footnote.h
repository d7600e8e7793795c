// One footnote: its text is a story of its own.
#pragma once

#include <memory>

#include "word/Range.h"

namespace vane::word {

class Footnote {
public:
    virtual ~Footnote() = default;
    // The footnote's text.
    virtual std::unique_ptr<Range> range() = 0;
};

}  // namespace vane::word
