#include "word/com/ComHyperlink.h"

#include "word/com/ComRange.h"
#include "word/com/ComShape.h"

namespace vane::word {

std::string ComHyperlink::address() {
    return object_.get(0x44C).toText();
}

std::string ComHyperlink::subAddress() {
    return object_.get(0x3EB).toText();
}

int ComHyperlink::type() {
    return object_.get(0x3ED).toInteger();
}

std::unique_ptr<Range> ComHyperlink::range() {
    return std::make_unique<ComRange>(object_.getObject(0x3EE));
}

std::unique_ptr<Shape> ComHyperlink::shape() {
    return std::make_unique<ComShape>(object_.getObject(0x3EF));
}

}  // namespace vane::word
