// One section: its page style.
#pragma once

#include "word/Section.h"
#include "word/office/OfficeSession.h"
#include "word/office/PageGeometry.h"

namespace vane {

class OfficeSection final : public word::Section {
public:
    OfficeSection(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                  PageStyleInfo style)
        : session_(std::move(session)), document_(std::move(document)), style_(std::move(style)) {}
    std::unique_ptr<word::HeadersFooters> headers() override;
    std::unique_ptr<word::HeadersFooters> footers() override;
    std::unique_ptr<word::PageSetup> pageSetup() override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    PageStyleInfo style_;
};

}  // namespace vane
