#include "word/com/ComParagraphFormat.h"

namespace vane::word {

int ComParagraphFormat::outlineLevel() {
    return object_.get(0xCA).toInteger();
}

}  // namespace vane::word
