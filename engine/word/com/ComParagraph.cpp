#include "word/com/ComParagraph.h"

#include "word/com/ComRange.h"
#include "word/com/ComStyle.h"

namespace vane::word {

std::unique_ptr<Range> ComParagraph::range() {
    return std::make_unique<ComRange>(object_.getObject(0x0));
}

std::unique_ptr<Style> ComParagraph::style() {
    return std::make_unique<ComStyle>(object_.getObject(0x64));
}

float ComParagraph::leftIndent() {
    return object_.get(0x6B).toFloat();
}

float ComParagraph::rightIndent() {
    return object_.get(0x6A).toFloat();
}

}  // namespace vane::word
