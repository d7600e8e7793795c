// The one pane of an office document window.
#pragma once

#include "word/Pane.h"
#include "word/office/OfficeView.h"

namespace vane {

class OfficePane final : public word::Pane {
public:
    std::unique_ptr<word::View> view() override { return std::make_unique<OfficeView>(); }
};

}  // namespace vane
