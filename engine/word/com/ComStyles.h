// The styles of a document, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Styles.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComStyles final : public Styles {
public:
    explicit ComStyles(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Style> item(int index) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
