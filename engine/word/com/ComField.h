// One field, driven through IDispatch.
#pragma once

#include <utility>

#include "word/Field.h"
#include "word/com/Dispatch.h"

namespace vane::word {

class ComField final : public Field {
public:
    explicit ComField(Dispatch object) : object_(std::move(object)) {}

    int type() override;
    std::unique_ptr<Range> code() override;
    std::unique_ptr<Field> next() override;
    void select() override;

private:
    Dispatch object_;
};

}  // namespace vane::word
