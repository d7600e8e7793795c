// A document window, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Window.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComWindow final : public Window {
public:
    explicit ComWindow(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Pane> activePane() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
