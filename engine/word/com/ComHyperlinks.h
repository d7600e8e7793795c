// A list of hyperlinks, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Hyperlinks.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComHyperlinks final : public Hyperlinks {
public:
    explicit ComHyperlinks(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Hyperlink> item(int index) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
