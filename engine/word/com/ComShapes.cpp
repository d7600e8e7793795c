#include "word/com/ComShapes.h"

#include "word/com/ComShape.h"

namespace vane::word {

int ComShapes::count() {
    return object_.get(0x2).toInteger();
}

std::unique_ptr<Shape> ComShapes::item(int index) {
    return std::make_unique<ComShape>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

}  // namespace vane::word
