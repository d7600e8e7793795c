// A document window.
#pragma once

#include <memory>

#include "word/Pane.h"

namespace vane::word {

class Window {
public:
    virtual ~Window() = default;
    virtual std::unique_ptr<Pane> activePane() = 0;
};

}  // namespace vane::word
