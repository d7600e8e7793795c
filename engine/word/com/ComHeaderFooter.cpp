#include "word/com/ComHeaderFooter.h"

#include "word/com/ComRange.h"

namespace vane::word {

std::unique_ptr<Range> ComHeaderFooter::range() {
    return std::make_unique<ComRange>(object_.getObject(0x0));
}

}  // namespace vane::word
