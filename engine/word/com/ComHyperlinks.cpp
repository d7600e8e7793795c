#include "word/com/ComHyperlinks.h"

#include "word/com/ComHyperlink.h"

namespace vane::word {

int ComHyperlinks::count() {
    return object_.get(0x1).toInteger();
}

std::unique_ptr<Hyperlink> ComHyperlinks::item(int index) {
    return std::make_unique<ComHyperlink>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

}  // namespace vane::word
