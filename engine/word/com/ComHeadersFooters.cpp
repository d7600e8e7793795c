#include "word/com/ComHeadersFooters.h"

#include "word/com/ComHeaderFooter.h"

namespace vane::word {

std::unique_ptr<HeaderFooter> ComHeadersFooters::item(int index) {
    return std::make_unique<ComHeaderFooter>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

}  // namespace vane::word
