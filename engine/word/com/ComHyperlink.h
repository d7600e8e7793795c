// One hyperlink, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Hyperlink.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComHyperlink final : public Hyperlink {
public:
    explicit ComHyperlink(Dispatch object) : object_(std::move(object)) {}

    std::string address() override;
    std::string subAddress() override;
    int type() override;
    std::unique_ptr<Range> range() override;
    std::unique_ptr<Shape> shape() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
