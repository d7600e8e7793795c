// The text of a shape, driven through IDispatch.
#pragma once

#include <utility>

#include "word/TextFrame.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComTextFrame final : public TextFrame {
public:
    explicit ComTextFrame(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Range> textRange() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
