// The floating shapes of a document, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Shapes.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComShapes final : public Shapes {
public:
    explicit ComShapes(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Shape> item(int index) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
