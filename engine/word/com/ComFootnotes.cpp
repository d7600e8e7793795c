#include "word/com/ComFootnotes.h"

#include "word/com/ComFootnote.h"

namespace vane::word {

int ComFootnotes::count() {
    return object_.get(0x2).toInteger();
}

std::unique_ptr<Footnote> ComFootnotes::item(int index) {
    return std::make_unique<ComFootnote>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

}  // namespace vane::word
