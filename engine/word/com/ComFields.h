// The fields of the main text, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Fields.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComFields final : public Fields {
public:
    explicit ComFields(Dispatch object) : object_(std::move(object)) {}

    int count() override;
    std::unique_ptr<Field> item(int index) override;

private:
    Dispatch object_;
};

}  // namespace vane::word
