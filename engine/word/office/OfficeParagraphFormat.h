// The paragraph format of a style (its outline level).
#pragma once

#include "word/ParagraphFormat.h"

namespace vane {

class OfficeParagraphFormat final : public word::ParagraphFormat {
public:
    // `officeLevel`: the office's outline level, 0 for body text.
    explicit OfficeParagraphFormat(int officeLevel) : level_(officeLevel) {}
    int outlineLevel() override;

private:
    int level_;
};

}  // namespace vane
