// One section: its page style.
#pragma once

#include "word/Section.h"
#include "word/office/PageGeometry.h"

namespace vane {

class OfficeSection final : public word::Section {
public:
    explicit OfficeSection(PageStyleInfo style) : style_(std::move(style)) {}
    std::unique_ptr<word::HeadersFooters> headers() override;
    std::unique_ptr<word::HeadersFooters> footers() override;
    std::unique_ptr<word::PageSetup> pageSetup() override;

private:
    PageStyleInfo style_;
};

}  // namespace vane
