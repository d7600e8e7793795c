#include "word/com/ComFootnote.h"

#include "word/com/ComRange.h"

namespace vane::word {

std::unique_ptr<Range> ComFootnote::range() {
    return std::make_unique<ComRange>(object_.getObject(0x4));
}

std::unique_ptr<Range> ComFootnote::reference() {
    return std::make_unique<ComRange>(object_.getObject(0x5));
}

}  // namespace vane::word
