// The headers or footers of a section, driven through IDispatch.
#pragma once

#include <utility>

#include "word/HeadersFooters.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComHeadersFooters final : public HeadersFooters {
public:
    explicit ComHeadersFooters(Dispatch object) : object_(std::move(object)) {}

    std::unique_ptr<HeaderFooter> item(int index) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
