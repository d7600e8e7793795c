#include "word/com/ComFont.h"

namespace vane::word {

float ComFont::size() {
    return object_.get(0x8D).toFloat();
}

}  // namespace vane::word
