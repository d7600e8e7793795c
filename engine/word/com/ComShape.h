// A floating shape, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Shape.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComShape final : public Shape {
public:
    explicit ComShape(Dispatch object) : object_(std::move(object)) {}

    int type() override;
    std::unique_ptr<TextFrame> textFrame() override;
    void select() override;
    std::unique_ptr<Range> anchor() override;
    float width() override;
    float height() override;
    float top() override;
    float left() override;
    int relativeHorizontalPosition() override;
    int relativeVerticalPosition() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
