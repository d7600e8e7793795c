#include "word/com/ComField.h"

#include <utility>

#include "word/com/ComRange.h"

namespace vane::word {

int ComField::type() {
    return object_.get(0x1).toInteger();
}

std::unique_ptr<Range> ComField::code() {
    return std::make_unique<ComRange>(object_.getObject(0x0));
}

std::unique_ptr<Field> ComField::next() {
    Dispatch answer = object_.getOptionalObject(0x6);
    if (!answer) return nullptr;
    return std::make_unique<ComField>(std::move(answer));
}

void ComField::select() {
    object_.call(0xFFFF);
}

}  // namespace vane::word
