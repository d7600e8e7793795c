// One header or footer, driven through IDispatch.
#pragma once

#include <utility>

#include "word/HeaderFooter.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComHeaderFooter final : public HeaderFooter {
public:
    explicit ComHeaderFooter(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<Range> range() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
