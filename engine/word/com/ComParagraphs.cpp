#include "word/com/ComParagraphs.h"

#include <utility>

#include "word/com/ComParagraph.h"

namespace vane::word {

int ComParagraphs::count() {
    return object_.get(0x2).toInteger();
}

std::unique_ptr<Paragraph> ComParagraphs::item(int index) {
    return std::make_unique<ComParagraph>(object_.callForObject(0x0, {ComVariant::integer(index)}));
}

std::unique_ptr<Paragraph> ComParagraphs::first() {
    Dispatch answer = object_.getOptionalObject(0x3);
    if (!answer) return nullptr;
    return std::make_unique<ComParagraph>(std::move(answer));
}

}  // namespace vane::word
