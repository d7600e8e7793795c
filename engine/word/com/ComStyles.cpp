#include "word/com/ComStyles.h"

#include <utility>

#include "word/com/ComStyle.h"

namespace vane::word {

int ComStyles::count() {
    return object_.get(0x1).toInteger();
}

std::unique_ptr<Style> ComStyles::item(int index) {
    // Built-in style codes go as 16-bit integers.
    ComVariant argument =
        index < 0 ? ComVariant::shortInteger(static_cast<short>(index)) : ComVariant::integer(index);
    return std::make_unique<ComStyle>(object_.callForObject(0x0, {std::move(argument)}));
}

}  // namespace vane::word
