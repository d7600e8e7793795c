#include "word/com/ComStyle.h"

#include "word/com/ComParagraphFormat.h"

namespace vane::word {

std::string ComStyle::nameLocal() {
    return object_.get(0x0).toText();
}

bool ComStyle::builtIn() {
    return object_.get(0x4).toBoolean();
}

std::unique_ptr<ParagraphFormat> ComStyle::paragraphFormat() {
    return std::make_unique<ComParagraphFormat>(object_.getObject(0x9));
}

}  // namespace vane::word
