#include "word/com/ComTextFrame.h"

#include "word/com/ComRange.h"

namespace vane::word {

std::unique_ptr<Range> ComTextFrame::textRange() {
    return std::make_unique<ComRange>(object_.getObject(0x3E9));
}

}  // namespace vane::word
