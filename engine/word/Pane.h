// One pane of a document window.
#pragma once

#include <memory>

#include "word/View.h"

namespace vane::word {

class Pane {
public:
    virtual ~Pane() = default;
    virtual std::unique_ptr<View> view() = 0;
};

}  // namespace vane::word
