#include "word/com/ComFields.h"

#include "word/com/ComField.h"

namespace vane::word {

int ComFields::count() {
    return object_.get(0x1).toInteger();
}

std::unique_ptr<Field> ComFields::item(int index) {
    return std::make_unique<ComField>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

}  // namespace vane::word
