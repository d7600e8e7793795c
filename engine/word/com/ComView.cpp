#include "word/com/ComView.h"

namespace vane::word {

void ComView::setType(int type) {
    object_.put(0x0, ComVariant::integer(type));
}

void ComView::setSeekView(int seek) {
    object_.put(0x1C, ComVariant::integer(seek));
}

}  // namespace vane::word
