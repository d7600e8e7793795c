// Paragraphs of the main text, kept by their start positions.
#pragma once

#include <memory>
#include <vector>

#include "word/Paragraphs.h"
#include "word/office/OfficeSession.h"

namespace vane {

class OfficeParagraphs final : public word::Paragraphs {
public:
    OfficeParagraphs(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                     std::vector<int> starts)
        : session_(std::move(session)), document_(std::move(document)), starts_(std::move(starts)) {}
    int count() override { return static_cast<int>(starts_.size()); }
    std::unique_ptr<word::Paragraph> first() override;
    std::unique_ptr<word::Paragraph> item(int index) override;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::vector<int> starts_;
};

}  // namespace vane
