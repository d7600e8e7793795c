// One pane of a window, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Pane.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComPane final : public Pane {
public:
    explicit ComPane(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<View> view() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
