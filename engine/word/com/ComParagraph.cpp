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

int ComParagraph::outlineLevel() {
    return static_cast<int>(object_.get(0xCA).toInteger());
}

std::string ComParagraph::listString() {
    // Range.ListFormat.ListString
    const Dispatch format = object_.getObject(0x0).getObject(0x44);
    return format.get(0x4B).toText();
}

}  // namespace vane::word
