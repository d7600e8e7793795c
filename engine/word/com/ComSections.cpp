#include "word/com/ComSections.h"

#include <utility>

#include "word/com/ComSection.h"

namespace vane::word {

int ComSections::count() {
    return object_.get(0x2).toInteger();
}

std::unique_ptr<Section> ComSections::item(int index) {
    return std::make_unique<ComSection>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

std::unique_ptr<Section> ComSections::first() {
    Dispatch answer = object_.getOptionalObject(0x3);
    if (!answer) return nullptr;
    return std::make_unique<ComSection>(std::move(answer));
}

}  // namespace vane::word
