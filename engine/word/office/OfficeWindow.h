// The window of an office document.
#pragma once

#include "word/Window.h"
#include "word/office/OfficePane.h"

namespace vane {

class OfficeWindow final : public word::Window {
public:
    std::unique_ptr<word::Pane> activePane() override { return std::make_unique<OfficePane>(); }
};

}  // namespace vane
