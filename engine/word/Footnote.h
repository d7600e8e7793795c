// One footnote or endnote: its text is a story of its own, its reference
// mark a character of the text that refers to it.
#pragma once

#include <memory>

#include "word/Range.h"

namespace vane::word {

class Footnote {
public:
    virtual ~Footnote() = default;
    // The note's text, after its own number.
    virtual std::unique_ptr<Range> range() = 0;
    // The reference mark in the text the note belongs to (the main text, or a
    // text box); throws WordError when it has none.
    virtual std::unique_ptr<Range> reference() = 0;
};

}  // namespace vane::word
