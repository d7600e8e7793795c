#include "word/com/ComWindow.h"

#include "word/com/ComPane.h"

namespace vane::word {

std::unique_ptr<Pane> ComWindow::activePane() {
    return std::make_unique<ComPane>(object_.getObject(0x1));
}

}  // namespace vane::word
