// One paragraph of the main text, found again by its start position.
#pragma once

#include <memory>
#include <string>

#include "word/Paragraph.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeParagraph final : public word::Paragraph {
public:
    OfficeParagraph(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                    int start)
        : session_(std::move(session)), document_(std::move(document)), start_(start) {}
    std::unique_ptr<word::Range> range() override;
    std::unique_ptr<word::Style> style() override;
    float leftIndent() override;
    float rightIndent() override;
    int outlineLevel() override;
    std::string listString() override;

private:
    const ParagraphMap::Entry& entry() const;

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    int start_;
};

}  // namespace vane
