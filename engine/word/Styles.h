// The styles of a document.
#pragma once

#include <memory>

#include "word/Style.h"

namespace vane::word {

class Styles {
public:
    virtual ~Styles() = default;
    // Number of styles, built-in ones included.
    virtual int count() = 0;
    // Index 1..count(), or a built-in style code (heading_style_index(1..6)).
    // Throws WordError when there is no such style.
    virtual std::unique_ptr<Style> item(int index) = 0;
};

}  // namespace vane::word
