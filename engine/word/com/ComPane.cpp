#include "word/com/ComPane.h"

#include "word/com/ComView.h"

namespace vane::word {

std::unique_ptr<View> ComPane::view() {
    return std::make_unique<ComView>(object_.getObject(0xA));
}

}  // namespace vane::word
